// The DTMF autodial dialog: codes are kept to the radio's digits as they
// are typed, the selected memory, and that only OK writes.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <array>

#include "DialogTestSupport.h"
#include "ui/Z5DtmfAutodialDlg.h"

namespace {

constexpr std::array<int, 5> kButtons{1101, 1110, 1109, 1108, 1107};

class DtmfAutodialDlgTest : public CDialogTest {};

TEST_F(DtmfAutodialDlgTest, TypedCodesKeepOnlyDtmfDigitsAndTheCaretStaysBehindTheTyping) {
    struct Case {
        const char* before;
        int caret;
        const char* typed;
        bool paste;
        const char* after;
        int caretAfter;
    };
    const Case cases[] = {
        {"", 0, "12*#a", false, "12EF", 4},  {"12EF", 2, "a", false, "12EF", 2},
        {"12EF", 2, "*", false, "12EEF", 3}, {"12EF", 4, "#", false, "12EFF", 5},
        {"", 0, "abcdef", false, "", 0},     {"EF", 0, "1a2b", true, "12EF", 2},
        {"EF", 1, "x*y#", true, "EEFF", 3},
    };
    for (const Case& c : cases) {
        SetText("DTMF.D2", c.before);
        CZ5DtmfAutodialDlg dialog;
        dialog.show();
        auto* edit = Control<QLineEdit>(dialog, 1072);
        edit->setCursorPosition(c.caret);
        if (c.paste) {
            QApplication::clipboard()->setText(QString::fromUtf8(c.typed));
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(edit, c.typed);
        }
        EXPECT_EQ(edit->text().toStdString(), c.after) << c.before << " + " << c.typed;
        EXPECT_EQ(edit->cursorPosition(), c.caretAfter) << c.before << " + " << c.typed;
    }
}

TEST_F(DtmfAutodialDlgTest, FullCodeCannotGrow) {
    const char* full = "0123456789ABCDEF01234567";
    SetText("DTMF.D4", full);
    CZ5DtmfAutodialDlg dialog;
    dialog.show();
    auto* edit = Control<QLineEdit>(dialog, 1074);
    for (int caret : {0, 10, 24}) {
        edit->setCursorPosition(caret);
        QTest::keyClicks(edit, "9*");
        EXPECT_EQ(edit->text().toStdString(), full) << caret;
    }
}

TEST_F(DtmfAutodialDlgTest, SelectedMemoryIsTheButtonThatIsOn) {
    struct Case {
        int selectCh;     // value of "SelectCh"
        int shownButton;  // 0: no button on
        int clicked;      // 0: none
        const char* stored;
    };
    const Case cases[] = {
        {0, 1101, 0, "D0"},    {3, 1108, 0, "D3"}, {3, 1108, 1110, "D1"},
        {4, 1107, 1109, "D2"}, {5, 0, 0, "D4"},    {255, 0, 1101, "D0"},
    };
    for (const Case& c : cases) {
        SetNodeValue(CNode::ResolvePath("DTMF"), "SelectCh", c.selectCh);
        CZ5DtmfAutodialDlg dialog;
        for (int id : kButtons) {
            EXPECT_EQ(Control<QRadioButton>(dialog, id)->isChecked(), id == c.shownButton)
                << "SelectCh " << c.selectCh << " button " << id;
        }
        if (c.clicked != 0) {
            Control<QRadioButton>(dialog, c.clicked)->click();
        }
        dialog.accept();
        EXPECT_EQ(Text("DTMF.SelectCh"), c.stored) << c.selectCh;
    }
}

TEST_F(DtmfAutodialDlgTest, OkStoresSpeedAndCodesCancelStoresNothing) {
    SetText("DTMF.Speed", "100 msec");
    SetText("DTMF.D0", "123");
    for (const bool ok : {false, true}) {
        const auto before = Leaves("DTMF");
        CZ5DtmfAutodialDlg dialog;
        dialog.show();
        auto* speed = Control<QComboBox>(dialog, 1050);
        EXPECT_EQ(speed->count(), 4);
        EXPECT_EQ(speed->currentText(), "100 msec");
        speed->setCurrentIndex(3);
        auto* code = Control<QLineEdit>(dialog, 1066);
        code->end(false);
        QTest::keyClicks(code, "#0");
        ok ? dialog.accept() : dialog.reject();
        if (!ok) {
            EXPECT_EQ(Leaves("DTMF"), before);
            continue;
        }
        EXPECT_EQ(Text("DTMF.Speed"), "500 msec");
        EXPECT_EQ(Text("DTMF.D0"), "123F0");
    }
}

}  // namespace
