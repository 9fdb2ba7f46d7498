#include "TextFit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <functional>
#include <map>
#include <vector>

#include "gui/Mnemonics.h"

namespace textfit {
namespace {

using Reports = std::set<std::string>;

QString Describe(const QWidget& widget) {
    QString name = QString::fromLatin1(widget.metaObject()->className());
    if (!widget.objectName().isEmpty()) {
        name += QStringLiteral(" #") + widget.objectName();
    }
    if (!widget.accessibleName().isEmpty()) {
        name += QStringLiteral(" \"") + widget.accessibleName() + QLatin1Char('"');
    }
    return name;
}

QString SizeText(QSize size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

void Report(Reports& reports, const QString& window, const QString& widget, const QString& text,
            QSize needs, QSize has) {
    reports.insert(QStringLiteral("%1: %2 \"%3\" needs %4, has %5")
                       .arg(window, widget, text, SizeText(needs), SizeText(has))
                       .toStdString());
}

bool Shown(const QWidget& widget, const QWidget& window) {
    return widget.isVisibleTo(&window) && widget.window() == &window;
}

// Runs check once for every combination of pages a person can bring up: each
// page of each tab widget in turn (tab widgets on a page of another are
// reached when that page is shown), the page shown before put back.
void ForEachPage(QWidget& window, const std::function<void()>& check) {
    check();
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        if (!Shown(*tabs, window)) {
            continue;
        }
        const int shown = tabs->currentIndex();
        for (int page = 0; page < tabs->count(); ++page) {
            if (page != shown) {
                tabs->setCurrentIndex(page);
                QApplication::processEvents();
                check();
            }
        }
        tabs->setCurrentIndex(shown);
        QApplication::processEvents();
    }
}

// A label's text needs its size hint; a label that wraps needs the height
// of its text at the width it has.
void CheckLabel(const QLabel& label, const QString& window, Reports& reports) {
    if (label.text().isEmpty()) {
        return;
    }
    const QSize has = label.size();
    if (label.wordWrap()) {
        const int height = label.heightForWidth(has.width());
        if (has.height() < height) {
            Report(reports, window, Describe(label), label.text(), QSize(has.width(), height), has);
        }
        return;
    }
    const QSize needs = label.sizeHint();
    if (has.width() < needs.width() || has.height() < needs.height()) {
        Report(reports, window, Describe(label), label.text(), needs, has);
    }
}

// A push button's size hint has a least width for short texts; its text
// needs the text's width with the button's frame, margin and icon (as the
// style measures a button).
int PushButtonTextWidth(const QPushButton& button) {
    const QStyle* style = button.style();
    int width = button.fontMetrics().size(Qt::TextShowMnemonic, button.text()).width() +
                style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    if (!button.icon().isNull()) {
        width += button.iconSize().width() + 4;
    }
    return width;
}

void CheckButton(const QAbstractButton& button, const QString& window, Reports& reports) {
    const auto* tool = qobject_cast<const QToolButton*>(&button);
    if (button.text().isEmpty() ||
        (tool != nullptr && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)) {
        return;
    }
    const QSize has = button.size();
    QSize needs = button.sizeHint();
    if (const auto* push = qobject_cast<const QPushButton*>(&button)) {
        needs.setWidth(PushButtonTextWidth(*push));
    }
    if (has.width() < needs.width() || has.height() < needs.height()) {
        Report(reports, window, Describe(button), button.text(), needs, has);
    }
}

void CheckGroupBox(const QGroupBox& box, const QString& window, Reports& reports) {
    const QSize needs = box.minimumSizeHint();
    if (!box.title().isEmpty() && box.width() < needs.width()) {
        Report(reports, window, Describe(box), box.title(), needs, box.size());
    }
}

// A column title needs what the style gives its section for the text (with
// the sort arrow where one is shown).
void CheckHeader(const QHeaderView& header, const QString& window, Reports& reports) {
    if (header.orientation() != Qt::Horizontal || header.model() == nullptr) {
        return;
    }
    for (int section = 0; section < header.count(); ++section) {
        const QString text =
            header.model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
        if (header.isSectionHidden(section) || text.isEmpty()) {
            continue;
        }
        QStyleOptionHeader option;
        option.initFrom(&header);
        option.section = section;
        option.text = text;
        option.textAlignment = header.defaultAlignment();
        if (header.isSortIndicatorShown() && header.sortIndicatorSection() == section) {
            option.sortIndicator = QStyleOptionHeader::SortDown;
        }
        const QSize needs =
            header.style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), &header);
        const int has = header.sectionSize(section);
        if (has < needs.width()) {
            Report(reports, window, Describe(header) + QStringLiteral(" column %1").arg(section),
                   text, needs, QSize(has, header.height()));
        }
    }
}

// Tabs that the bar cannot show whole (behind its scroll arrows).
void CheckTabs(const QTabBar& bar, const QString& window, Reports& reports) {
    for (int tab = 0; tab < bar.count(); ++tab) {
        const QRect rect = bar.tabRect(tab);
        if (rect.left() < 0 || rect.right() >= bar.width()) {
            Report(reports, window, Describe(bar) + QStringLiteral(" tab %1").arg(tab),
                   bar.tabText(tab), rect.size(), QSize(bar.width() - rect.left(), rect.height()));
        }
    }
}

void CheckWindowSize(const QWidget& window, const QString& name, Reports& reports) {
    const QSize needs = window.size().expandedTo(window.minimumSizeHint());
    if (needs.width() > kScreen.width() || needs.height() > kScreen.height()) {
        Report(reports, name, QStringLiteral("the window"), window.windowTitle(), needs, kScreen);
    }
}

void CheckShownTexts(QWidget& window, const QString& name, Reports& reports) {
    CheckWindowSize(window, name, reports);
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!Shown(*widget, window)) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            CheckLabel(*label, name, reports);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            CheckButton(*button, name, reports);
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            CheckGroupBox(*box, name, reports);
        } else if (const auto* header = qobject_cast<const QHeaderView*>(widget)) {
            CheckHeader(*header, name, reports);
        } else if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
            CheckTabs(*bar, name, reports);
        }
    }
}

// The texts of window that Alt reaches now: labels with a buddy, buttons
// (not a toolbar's), group box titles and tabs.
std::vector<QString> MnemonicTexts(const QWidget& window) {
    std::vector<QString> texts;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!Shown(*widget, window)) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->buddy() != nullptr) {
                texts.push_back(label->text());
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            if (qobject_cast<const QToolButton*>(button) == nullptr) {
                texts.push_back(button->text());
            }
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            texts.push_back(box->title());
        } else if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
            for (int tab = 0; tab < bar->count(); ++tab) {
                texts.push_back(bar->tabText(tab));
            }
        }
    }
    return texts;
}

void CheckMnemonics(const QWidget& window, const QString& name, Reports& reports) {
    std::map<QString, QString> taken;
    for (const QString& text : MnemonicTexts(window)) {
        const QString letter = guitest::MnemonicOf(text);
        if (letter.isEmpty()) {
            continue;
        }
        const auto [at, fresh] = taken.emplace(letter, text);
        if (!fresh) {
            reports.insert(QStringLiteral("%1: \"%2\" and \"%3\" share Alt+%4")
                               .arg(name, at->second, text, letter)
                               .toStdString());
        }
    }
}

void CheckMenu(const QMenu& menu, const QString& name, Reports& reports) {
    const QSize needs = menu.sizeHint();
    if (needs.width() > kScreen.width()) {
        Report(reports, QStringLiteral("menu"), name, menu.title(), needs, kScreen);
    }
    for (const QAction* action : menu.actions()) {
        if (action->menu() != nullptr && action->isVisible()) {
            CheckMenu(*action->menu(), name + QStringLiteral(" > ") + action->text(), reports);
        }
    }
}

}  // namespace

std::set<std::string> CutTexts(QWidget& window, const QString& name) {
    Reports reports;
    ForEachPage(window, [&] { CheckShownTexts(window, name, reports); });
    return reports;
}

std::set<std::string> SharedMnemonics(QWidget& window, const QString& name) {
    Reports reports;
    ForEachPage(window, [&] { CheckMnemonics(window, name, reports); });
    return reports;
}

std::set<std::string> CutMenus(QMenuBar& bar) {
    Reports reports;
    for (QAction* action : bar.actions()) {
        if (!action->isVisible()) {
            continue;
        }
        const QRect rect = bar.actionGeometry(action);
        if (rect.isEmpty() || rect.right() >= bar.width()) {
            Report(reports, QStringLiteral("menu bar"), QStringLiteral("menu title"),
                   action->text(), rect.size(), QSize(bar.width() - rect.left(), bar.height()));
        }
        if (action->menu() != nullptr) {
            CheckMenu(*action->menu(), action->text(), reports);
        }
    }
    return reports;
}

}  // namespace textfit
