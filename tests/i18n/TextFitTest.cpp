// The checks of the window tests find what they look for: each kind of
// widget, squeezed below what its text needs, is reported, and the same
// widget with room for its text is not.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <functional>
#include <memory>

#include "TextFit.h"

namespace {

const QString kLongText = QStringLiteral("A rather long text that needs its room");

// A widget of the kind under test, placed at size in a window.
struct SCase {
    const char* kind;
    std::function<QWidget*(QWidget& window)> make;
};

QWidget* Label(QWidget& window) {
    return new QLabel(kLongText, &window);
}

QWidget* WrappedLabel(QWidget& window) {
    auto* label = new QLabel(kLongText + QLatin1Char(' ') + kLongText, &window);
    label->setWordWrap(true);
    return label;
}

QWidget* Button(QWidget& window) {
    return new QPushButton(kLongText, &window);
}

QWidget* CheckBox(QWidget& window) {
    return new QCheckBox(kLongText, &window);
}

QWidget* RadioButton(QWidget& window) {
    return new QRadioButton(kLongText, &window);
}

QWidget* GroupBox(QWidget& window) {
    return new QGroupBox(kLongText, &window);
}

// A table whose one column is as wide as the table.
QWidget* ColumnTitle(QWidget& window) {
    auto* table = new QTableView(&window);
    auto* model = new QStandardItemModel(1, 1, table);
    model->setHorizontalHeaderLabels({kLongText});
    table->setModel(model);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

const SCase kCases[] = {
    {"label", Label},
    {"label that wraps", WrappedLabel},
    {"push button", Button},
    {"check box", CheckBox},
    {"radio button", RadioButton},
    {"group box", GroupBox},
    {"column title", ColumnTitle},
};

std::set<std::string> CutAt(const SCase& c, QSize size) {
    QDialog window;
    QWidget* widget = c.make(window);
    window.resize(600, 400);
    window.show();
    widget->setGeometry(QRect(QPoint(0, 0), size));
    QApplication::processEvents();
    return textfit::CutTexts(window, QStringLiteral("test"));
}

TEST(TextFitTest, ATextSqueezedIsFoundAndATextWithRoomIsNot) {
    for (const SCase& c : kCases) {
        EXPECT_EQ(CutAt(c, QSize(500, 120)), std::set<std::string>()) << c.kind;
        EXPECT_EQ(CutAt(c, QSize(60, 120)).size(), 1U) << c.kind;
    }
}

TEST(TextFitTest, ALabelThatWrapsNeedsTheHeightOfItsLines) {
    const SCase& wrapped = kCases[1];
    EXPECT_EQ(CutAt(wrapped, QSize(120, 12)).size(), 1U);
}

TEST(TextFitTest, AWindowLargerThanTheScreenIsFound) {
    QDialog window;
    window.setMinimumSize(textfit::kScreen + QSize(1, 0));
    window.show();
    EXPECT_EQ(textfit::CutTexts(window, QStringLiteral("wide")).size(), 1U);
}

TEST(TextFitTest, TextsOnEveryTabPageAreLookedAt) {
    QDialog window;
    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(0, 0, 500, 300);
    tabs->addTab(new QLineEdit, QStringLiteral("&First"));
    auto* second = new QWidget;
    auto* label = new QLabel(kLongText, second);
    tabs->addTab(second, QStringLiteral("&Second"));
    window.resize(600, 400);
    window.show();
    label->setFixedWidth(40);
    QApplication::processEvents();
    EXPECT_EQ(textfit::CutTexts(window, QStringLiteral("tabs")).size(), 1U);
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST(TextFitTest, MnemonicsSharedByWidgetsShownTogetherAreFound) {
    QDialog window;
    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(0, 0, 500, 300);
    auto* first = new QWidget;
    new QPushButton(QStringLiteral("&Open"), first);
    auto* second = new QWidget;
    new QCheckBox(QStringLiteral("&Off"), second);  // another page: no clash
    tabs->addTab(first, QStringLiteral("&Channels"));
    tabs->addTab(second, QStringLiteral("&Settings"));
    auto* close = new QPushButton(QStringLiteral("&Close"), &window);
    close->move(0, 320);
    window.resize(600, 400);
    window.show();
    QApplication::processEvents();
    const std::set<std::string> shared = textfit::SharedMnemonics(window, QStringLiteral("w"));
    ASSERT_EQ(shared.size(), 1U);
    EXPECT_NE(shared.begin()->find("Alt+c"), std::string::npos) << *shared.begin();
}

}  // namespace
