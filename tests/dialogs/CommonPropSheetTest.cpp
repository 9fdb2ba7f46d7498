// The common settings sheet: which pages it has, what its lists offer, and
// that only OK writes, and only what the user could see.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <vector>

#include "DialogTestSupport.h"
#include "ui/Z5CommonPropSheet.h"

namespace {

std::vector<std::string> PageNames(const CZ5CommonPropSheet& sheet) {
    std::vector<std::string> names;
    for (int index = 0; index < sheet.Tabs()->count(); ++index) {
        names.push_back(sheet.Tabs()->widget(index)->objectName().toStdString());
    }
    return names;
}

// Brings every page on the screen once, ending on the first.
void DisplayEveryPage(CZ5CommonPropSheet& sheet) {
    sheet.show();
    for (int index = sheet.Tabs()->count() - 1; index >= 0; --index) {
        sheet.Tabs()->setCurrentIndex(index);
    }
}

// What every control shows, by its name.
std::map<std::string, std::string> ControlStates(const QWidget& sheet) {
    std::map<std::string, std::string> states;
    for (const auto* list : sheet.findChildren<QComboBox*>()) {
        states[list->objectName().toStdString()] = list->currentText().toStdString();
    }
    for (const auto* button : sheet.findChildren<QAbstractButton*>()) {
        if (button->isCheckable()) {
            states[button->objectName().toStdString()] = button->isChecked() ? "on" : "off";
        }
    }
    for (const auto* edit : sheet.findChildren<QLineEdit*>()) {
        if (!edit->objectName().isEmpty()) {
            states[edit->objectName().toStdString()] = edit->text().toStdString();
        }
    }
    return states;
}

// Gives every enabled control of every page another value than it had.
void ChangeEveryControl(CZ5CommonPropSheet& sheet) {
    for (auto* list : sheet.findChildren<QComboBox*>()) {
        if (list->isEnabled()) {
            list->setCurrentIndex((list->currentIndex() + 1) % list->count());
        }
    }
    for (auto* box : sheet.findChildren<QCheckBox*>()) {
        box->click();
    }
    for (auto* button : sheet.findChildren<QRadioButton*>()) {
        if (!button->isChecked()) {
            button->click();
            break;
        }
    }
    auto* comment = sheet.findChild<QLineEdit*>(QStringLiteral("1053"));
    comment->clear();
    QTest::keyClicks(comment, "Changed");
}

class CommonPropSheetTest : public CAllUnitsDialogTest {};

TEST_F(CommonPropSheetTest, HasThePagesOfTheFittedUnits) {
    struct Case {
        bool scrambler;
        bool ani;
        std::vector<std::string> pages;
    };
    const Case cases[] = {
        {false, false, {"165"}},
        {true, false, {"165", "174"}},
        {false, true, {"165", "173"}},
        {true, true, {"165", "174", "173"}},
    };
    for (const Case& c : cases) {
        model.scrambler = c.scrambler;
        model.ani = c.ani;
        CZ5CommonPropSheet sheet(model, 0);
        EXPECT_EQ(PageNames(sheet), c.pages) << c.scrambler << c.ani;
        EXPECT_EQ(sheet.windowTitle(), "Common Setting");
        const auto* buttons = sheet.findChild<QDialogButtonBox*>();
        EXPECT_EQ(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    }
}

TEST_F(CommonPropSheetTest, ShowsTheRequestedPageFirst) {
    const std::pair<int, const char*> cases[] = {
        {0, "165"}, {1, "174"}, {2, "173"}, {3, "165"}, {-1, "165"}};
    for (const auto& [page, shown] : cases) {
        CZ5CommonPropSheet sheet(model, page);
        EXPECT_EQ(sheet.Tabs()->currentWidget()->objectName(), shown) << page;
    }
}

TEST_F(CommonPropSheetTest, ListsOfferTheLeafChoicesAndShowTheCurrentOne) {
    SetText("Common.Resume", " 5 sec");
    SetText("Common.TOT", "5m00s");
    SetText("Common.AniTxCh", "42");
    SetText("Common.Timing", "1.100 sec");
    struct Case {
        int id;
        const char* leaf;
        int entries;
        const char* first;
    };
    const Case cases[] = {
        {1097, "Common.Resume", 4, " 5 sec"},  {1098, "Common.TOT", 31, "OFF "},
        {11126, "Common.AniTxCh", 101, "OFF"}, {1111, "Common.Timing", 4, "OFF"},
        {11130, "Common.PowSave", 6, "OFF"},
    };
    CZ5CommonPropSheet sheet(model, 0);
    for (const Case& c : cases) {
        const auto* list = Control<QComboBox>(sheet, c.id);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), c.entries) << c.leaf;
        EXPECT_EQ(list->itemText(0).toStdString(), c.first) << c.leaf;
        EXPECT_EQ(list->currentText().toStdString(), Text(c.leaf));
    }
    EXPECT_EQ(Text("Common.TOT"), "5m00s");
}

TEST_F(CommonPropSheetTest, CancelChangesNoLeafButTheWorkingOne) {
    SetText("Common.AniFunc", "OFF");
    const auto before = Leaves("Common");
    {
        CZ5CommonPropSheet sheet(model, 0);
        DisplayEveryPage(sheet);
        ChangeEveryControl(sheet);
        sheet.reject();
    }
    auto after = Leaves("Common");
    EXPECT_EQ(after["AniFuncTmp"], "ON");
    after["AniFuncTmp"] = before.at("AniFuncTmp");
    EXPECT_EQ(after, before);
}

TEST_F(CommonPropSheetTest, OkStoresWhatEveryPageShows) {
    SetText("Common.Beep", "OFF");
    SetText("Common.AniFunc", "OFF");
    std::map<std::string, std::string> changed;
    {
        CZ5CommonPropSheet sheet(model, 0);
        DisplayEveryPage(sheet);
        ChangeEveryControl(sheet);
        changed = ControlStates(sheet);
        sheet.accept();
        EXPECT_EQ(sheet.result(), QDialog::Accepted);
    }
    EXPECT_EQ(Text("Common.Beep"), "ON");
    EXPECT_EQ(Text("Common.AniFunc"), "ON");
    EXPECT_EQ(Text("Common.CloneComment"), "Changed");
    CZ5CommonPropSheet again(model, 0);
    EXPECT_EQ(ControlStates(again), changed);
}

TEST_F(CommonPropSheetTest, PagesNeverDisplayedStoreNothing) {
    struct Case {
        int page;
        const char* leaf;
        const char* setMeanwhile;
    };
    const Case cases[] = {
        {0, "Common.Type", "Non-Rolling"},
        {0, "Common.AniTOT", "1m00s"},
        {1, "Common.Beep", "ON"},
        {1, "Common.CloneComment", "meanwhile"},
    };
    for (const Case& c : cases) {
        CZ5CommonPropSheet sheet(model, c.page);
        sheet.show();
        SetText(c.leaf, c.setMeanwhile);
        sheet.accept();
        EXPECT_EQ(Text(c.leaf), c.setMeanwhile) << c.leaf;
    }
}

TEST_F(CommonPropSheetTest, OnlyTheUsaVersionKeepsItsRepeaterSetting) {
    struct Case {
        int version;
        int page;
        bool enabled;
        const char* stored;
    };
    const Case cases[] = {
        {0, 0, false, "OFF"},
        {1, 0, false, "OFF"},
        {3, 0, false, "OFF"},
        {4, 0, false, "OFF"},
        {2, 0, true, "Dup & Tone"},
        // The Common page was never displayed: nothing is stored.
        {0, 1, false, "Dup & Tone"},
    };
    for (const Case& c : cases) {
        SetText("Common.Repeater", "Dup & Tone");
        model.version = c.version;
        CZ5CommonPropSheet sheet(model, c.page);
        sheet.show();
        const auto* list = Control<QComboBox>(sheet, 1096);
        EXPECT_EQ(list->isEnabled(), c.enabled) << c.version;
        const auto* label = sheet.findChild<QLabel*>(QStringLiteral("11136"));
        EXPECT_EQ(label == nullptr || label->isEnabled(), c.enabled) << c.version;
        EXPECT_EQ(list->currentText().toStdString(), c.enabled ? "Dup & Tone" : "OFF");
        sheet.accept();
        EXPECT_EQ(Text("Common.Repeater"), c.stored) << c.version << " page " << c.page;
    }
}

TEST_F(CommonPropSheetTest, CommentTakesSixteenPrintableCharacters) {
    CZ5CommonPropSheet sheet(model, 0);
    sheet.show();
    auto* comment = Control<QLineEdit>(sheet, 1053);
    comment->clear();
    QTest::keyClicks(comment, "Field day 2026 -- east");
    EXPECT_EQ(comment->text(), "Field day 2026 -");
    comment->clear();
    QTest::keyClicks(comment, "A");
    QTest::sendKeyEvent(QTest::Click, comment, Qt::Key_Eacute, QStringLiteral("\u00e9"),
                        Qt::NoModifier);
    QTest::keyClicks(comment, "B");
    EXPECT_EQ(comment->text(), "AB");
    sheet.accept();
    EXPECT_EQ(Text("Common.CloneComment"), "AB");
}

TEST_F(CommonPropSheetTest, AniButtonsWorkOnTheWorkingLeafUntilOk) {
    for (const char* initial : {"OFF", "ON"}) {
        const bool on = std::string(initial) == "ON";
        SetText("Common.AniFunc", initial);
        SetText("Common.AniFuncTmp", on ? "OFF" : "ON");
        CZ5CommonPropSheet sheet(model, 2);
        sheet.show();
        auto* offButton = Control<QRadioButton>(sheet, 1125);
        auto* onButton = Control<QRadioButton>(sheet, 1124);
        EXPECT_EQ(offButton->isChecked(), !on);
        EXPECT_EQ(onButton->isChecked(), on);
        EXPECT_EQ(Text("Common.AniFuncTmp"), initial);

        (on ? offButton : onButton)->click();
        const char* flipped = on ? "OFF" : "ON";
        EXPECT_EQ(Text("Common.AniFuncTmp"), flipped);
        EXPECT_EQ(Text("Common.AniFunc"), initial);
        sheet.accept();
        EXPECT_EQ(Text("Common.AniFunc"), flipped);
    }
}

}  // namespace
