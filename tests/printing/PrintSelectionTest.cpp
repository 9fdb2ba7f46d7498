// What goes into a print job: the sections a code stands for, the job list's
// limit, the selection dialog's boxes and the printer named in the settings.
#include <QCheckBox>
#include <QPushButton>

#include "PrintTestSupport.h"
#include "app/PrintSelectDlg.h"

namespace {

struct SExpansionCase {
    const char* name;
    bool scrambler;
    bool ani;
    int code;
    std::vector<int> sections;
};

class AddJobTest : public CPrintTest, public ::testing::WithParamInterface<SExpansionCase> {};

TEST_P(AddJobTest, AppendsTheSectionsTheCodeStandsFor) {
    const SExpansionCase& c = GetParam();
    lists.scrambler = c.scrambler;
    lists.ani = c.ani;
    std::unique_ptr<CPrintJob> job = MakeJob();
    ASSERT_TRUE(job->AddJob(c.code));
    EXPECT_EQ(job->Jobs(), c.sections);
}

INSTANTIATE_TEST_SUITE_P(Codes, AddJobTest,
                         ::testing::Values(
                             // Everything never brings the option pages.
                             SExpansionCase{"Everything", true, true, 1, {2, 5, 6, 7, 8, 9}},
                             SExpansionCase{"CommonAlone", false, false, 2, {2}},
                             SExpansionCase{"CommonWithScrambler", true, false, 2, {2, 4}},
                             SExpansionCase{"CommonWithAni", false, true, 2, {2, 3}},
                             // The scrambler page wins when both units are fitted.
                             SExpansionCase{"CommonWithBoth", true, true, 2, {2, 4}},
                             SExpansionCase{"CallList", true, true, 9, {9}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CPrintTest, AJobListNeverReachesAHundredSections) {
    std::unique_ptr<CPrintJob> job = MakeJob();
    for (int i = 0; i < 16; ++i) {
        ASSERT_TRUE(job->AddJob(CPrintJob::kEverything));  // 96 sections
    }
    EXPECT_FALSE(job->AddJob(CPrintJob::kEverything));
    EXPECT_TRUE(job->AddJob(CPrintJob::kPgr));
    EXPECT_TRUE(job->AddJob(CPrintJob::kPgr));
    EXPECT_TRUE(job->AddJob(CPrintJob::kPgr));
    EXPECT_FALSE(job->AddJob(CPrintJob::kPgr));
    EXPECT_EQ(job->JobCount(), 99);
    job->ClearJobs();
    EXPECT_EQ(job->JobCount(), 0);
}

TEST(PrinterProfileTest, TakesThePrinterOnlyWithNameDriverAndPort) {
    struct SCase {
        const char* entry;
        CPrintDevice::SPrinterNames names;
    };
    const SCase cases[] = {
        {"Office,PDF,/tmp/x.pdf", {"Office", "PDF", "/tmp/x.pdf"}},
        {"Office,PDF /tmp/x.pdf", {"Office", "PDF", "/tmp/x.pdf"}},
        {"Office Laser,spool,lp0,extra", {"Office Laser", "spool", "lp0"}},
        {"Office,PDF", {}},
        {"Office,PDF,", {}},
        {"Office", {}},
        {",PDF,/tmp/x.pdf", {}},
        {"", {}},
    };
    for (const SCase& c : cases) {
        const CPrintDevice::SPrinterNames names = CPrintDevice::ParseProfileDevice(c.entry);
        EXPECT_EQ(names.device, c.names.device) << c.entry;
        EXPECT_EQ(names.driver, c.names.driver) << c.entry;
        EXPECT_EQ(names.port, c.names.port) << c.entry;
    }
}

class CSelectDialogTest : public CPrintTest {
  protected:
    QCheckBox* Box(int id) { return dialog.findChild<QCheckBox*>(QString::number(id)); }
    QPushButton* Ok() { return dialog.findChild<QPushButton*>(QStringLiteral("1")); }

    // Opens the dialog and presses OK once it is up.
    int RunAndPressOk() {
        QMetaObject::invokeMethod(
            &dialog, [this] { Ok()->click(); }, Qt::QueuedConnection);
        return dialog.exec();
    }

    static constexpr int kAll = 1074;
    static constexpr int kSingles[] = {1075, 1076, 1106, 1107, 1108, 1109};
    CPrintSelectDlg dialog{settings, ui, lists, lists};
};

TEST_F(CSelectDialogTest, EverythingDisablesTheOtherBoxesButKeepsTheirChecks) {
    // Defaults: everything checked.
    EXPECT_TRUE(Box(kAll)->isChecked());
    for (int id : kSingles) {
        EXPECT_FALSE(Box(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(Ok()->isEnabled());

    Box(kAll)->click();
    for (int id : kSingles) {
        EXPECT_TRUE(Box(id)->isEnabled()) << id;
    }
    EXPECT_FALSE(Ok()->isEnabled()) << "nothing chosen";

    Box(1076)->click();
    EXPECT_TRUE(Ok()->isEnabled());
    Box(kAll)->click();
    EXPECT_FALSE(Box(1076)->isEnabled());
    EXPECT_TRUE(Box(1076)->isChecked());
}

TEST_F(CSelectDialogTest, OkKeepsTheBoxesAndListsTheChosenSections) {
    struct SCase {
        std::vector<const char*> checked;
        bool scrambler;
        std::vector<int> sections;
    };
    const SCase cases[] = {
        {{"All", "Common", "Dtmf", "Pgr", "Mch", "Pch", "Cch"}, true, {2, 5, 6, 7, 8, 9}},
        {{"Common"}, true, {2, 4}},
        {{"Cch", "Dtmf"}, false, {5, 9}},
    };
    const char* const names[] = {"All", "Common", "Dtmf", "Pgr", "Mch", "Pch", "Cch"};
    for (const SCase& c : cases) {
        for (const char* name : names) {
            settings.SetInt("Print", name, 0);
        }
        for (const char* name : c.checked) {
            settings.SetInt("Print", name, 1);
        }
        lists.scrambler = c.scrambler;
        ASSERT_EQ(RunAndPressOk(), QDialog::Accepted);
        EXPECT_EQ(dialog.Job().Jobs(), c.sections) << c.checked.front();
        for (const char* name : names) {
            const bool checked = std::find_if(c.checked.begin(), c.checked.end(), [&](auto n) {
                                     return std::string(n) == name;
                                 }) != c.checked.end();
            EXPECT_EQ(settings.GetInt("Print", name, -1), checked ? 1 : 0) << name;
        }
    }
}

QCheckBox* InUseBox(CPrintSelectDlg& dialog) {
    return dialog.findChild<QCheckBox*>(QString::number(CPrintSelectDlg::kInUseOnlyId));
}

// Until chosen in the print dialog, the box follows View > Channels in Use
// Only; once chosen, it is remembered and goes to the job.
TEST_F(CSelectDialogTest, OnlyChannelsInUseIsRememberedAndGoesToTheJobWithTheFileName) {
    QCheckBox* inUse = InUseBox(dialog);
    ASSERT_NE(inUse, nullptr);
    EXPECT_FALSE(inUse->isChecked()) << "off, as the list shows every channel";
    settings.SetInt("View", "ChannelsInUseOnly", 1);
    EXPECT_TRUE(
        InUseBox(*std::make_unique<CPrintSelectDlg>(settings, ui, lists, lists))->isChecked());
    settings.SetInt("View", "ChannelsInUseOnly", 0);

    dialog.SetFileNameSource([] { return std::string("club.cz5"); });
    QMetaObject::invokeMethod(
        &dialog,
        [&] {
            inUse->click();
            Ok()->click();
        },
        Qt::QueuedConnection);
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(dialog.Job().Options().channelsInUseOnly);
    EXPECT_EQ(dialog.Job().Options().fileName, "club.cz5");
    EXPECT_EQ(settings.GetInt("Print", CPrintSelectDlg::kInUseOnlySetting, 0), 1);
    EXPECT_TRUE(
        InUseBox(*std::make_unique<CPrintSelectDlg>(settings, ui, lists, lists))->isChecked());
}

TEST_F(CSelectDialogTest, UsesFifteenMillimetreMarginsAtTopAndLeft) {
    const CPrintDevice::SMargins margins = dialog.Job().Printer().GetMargins();
    EXPECT_EQ(margins.left, 15);
    EXPECT_EQ(margins.top, 15);
    EXPECT_EQ(margins.right, 0);
    EXPECT_EQ(margins.bottom, 0);
}

}  // namespace
