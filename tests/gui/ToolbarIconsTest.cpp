// The toolbar's pictures read on a light and on a dark desktop: each stands
// out from the button behind it, whichever palette the desktop gives.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QToolBar>
#include <algorithm>
#include <cmath>
#include <memory>

#include "GuiTestSupport.h"
#include "app/CommandTable.h"
#include "app/ToolbarIcons.h"
#include "ui/CommandIds.h"

namespace {

struct SPaletteCase {
    const char* name;
    QColor button;
    QColor text;
};
// Fusion's light palette and the dark one that desktops commonly give.
const SPaletteCase kPalettes[] = {
    {"light", QColor(239, 239, 239), QColor(0, 0, 0)},
    {"dark", QColor(53, 53, 53), QColor(240, 240, 240)},
};

constexpr int kSize = 16;
// A colour stands out from another when the contrast of their luminances
// is at least this (1: the same, 21: black on white).
constexpr double kContrast = 1.7;
// A picture reads when this share of its edge is seen.
constexpr double kSeenEdge = 0.7;

double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

bool StandsOut(const QColor& colour, const QColor& button) {
    const double a = Luminance(colour) + 0.05;
    const double b = Luminance(button) + 0.05;
    return std::max(a, b) / std::min(a, b) >= kContrast;
}

// The share of the picture's edge (its drawn pixels next to undrawn ones)
// that the eye finds on the button: an edge pixel is found when it, or a
// drawn pixel beside it, stands out from the button. Ink on a dark button
// is lost unless a light fill runs along it.
double SeenEdge(int id, const QColor& button) {
    const QImage icon = CToolbarIcons::Icon(id)
                            .pixmap(kSize, kSize)
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32);
    QImage shown(kSize, kSize, QImage::Format_RGB32);
    shown.fill(button);
    QPainter painter(&shown);
    painter.drawImage(0, 0, icon);
    painter.end();
    const auto drawn = [&icon](int x, int y) {
        return x >= 0 && y >= 0 && x < kSize && y < kSize && qAlpha(icon.pixel(x, y)) >= 128;
    };
    const auto seen = [&](int x, int y) {
        return drawn(x, y) && StandsOut(QColor(shown.pixel(x, y)), button);
    };
    int edge = 0;
    int found = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const bool isEdge = drawn(x, y) && (!drawn(x - 1, y) || !drawn(x + 1, y) ||
                                                !drawn(x, y - 1) || !drawn(x, y + 1));
            if (!isEdge) {
                continue;
            }
            ++edge;
            found +=
                seen(x, y) || seen(x - 1, y) || seen(x + 1, y) || seen(x, y - 1) || seen(x, y + 1);
        }
    }
    return edge == 0 ? 0.0 : static_cast<double>(found) / edge;
}

QPalette PaletteOf(const SPaletteCase& colours) {
    QPalette palette(colours.button, colours.button);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(role, colours.text);
    }
    palette.setColor(QPalette::Base, colours.button.darker(110));
    return palette;
}

TEST(ToolbarIconsTest, EveryPictureReadsOnALightAndADarkButton) {
    for (const SPaletteCase& colours : kPalettes) {
        for (const int id : CCommandTable::Toolbar()) {
            if (id == 0) {
                continue;
            }
            EXPECT_GE(SeenEdge(id, colours.button), kSeenEdge)
                << "command " << id << " on the " << colours.name << " palette";
        }
    }
}

// The toolbar on both palettes, for a person to look at.
TEST(ToolbarIconsTest, ScreenshotsOfTheToolbarOnBothPalettes) {
    for (const SPaletteCase& colours : kPalettes) {
        QToolBar bar;
        bar.setPalette(PaletteOf(colours));
        bar.setAutoFillBackground(true);
        bar.setIconSize(QSize(kSize, kSize));
        for (const int id : CCommandTable::Toolbar()) {
            if (id == 0) {
                bar.addSeparator();
                continue;
            }
            QAction* action = bar.addAction(CToolbarIcons::Icon(id), QString::number(id));
            action->setCheckable(id == Cmd::Com1);
            action->setChecked(id == Cmd::Com1);
        }
        bar.adjustSize();
        // Three times as large, to see every pixel.
        const QString path = QString::fromStdString(
            guitest::SaveScreenshot(&bar, std::string("toolbar-") + colours.name));
        ASSERT_FALSE(path.isEmpty());
        const QImage shot(path);
        EXPECT_TRUE(shot.scaled(shot.size() * 3).save(path));
    }
}

}  // namespace
