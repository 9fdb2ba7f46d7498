// The printed pages, read back from PDF files: which sections print, in which
// order, with which frame; how the channel lists are paged; and the jobs that
// must print nothing.
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>

#include "PrintTestSupport.h"
#include "app/PrintStatusDlg.h"
#include "print/ChListPrint.h"
#include "support/CliRun.h"

namespace {

TEST_F(CPrintTest, EverythingPrintsTheSettingsThenTheThreeLists) {
    lists.scrambler = true;
    lists.ani = true;
    ASSERT_EQ(Print({CPrintJob::kEverything}), CPrintJob::EResult::kPrinted);

    std::vector<std::string> titles = Titles(PdfPages(pdf));
    titles.erase(std::unique(titles.begin(), titles.end()), titles.end());
    const std::vector<std::string> expected = {"Common Setting", "DTMF Autodial",     "PGR Memory",
                                               "Memory CH",      "Program scan edge", "Call"};
    EXPECT_EQ(titles, expected);
    EXPECT_TRUE(ui.m_messages.empty());
}

TEST_F(CPrintTest, EveryPageCarriesTheRevisionAndTheMaker) {
    ASSERT_EQ(Print({CPrintJob::kEverything}), CPrintJob::EResult::kPrinted);
    const std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_FALSE(pages.empty());
    for (const std::string& page : pages) {
        EXPECT_NE(page.find("CP-Z5 Revision.1.0"), std::string::npos) << page;
        EXPECT_NE(page.find("Brel Inc."), std::string::npos) << page;
    }
}

TEST_F(CPrintTest, CommonAloneBringsThePageOfTheFittedOption) {
    lists.scrambler = true;
    ASSERT_EQ(Print({CPrintJob::kCommon}), CPrintJob::EResult::kPrinted);
    const std::vector<std::string> pages = PdfPages(pdf);
    EXPECT_EQ(Titles(pages), (std::vector<std::string>{"Common Setting", "Scrambler Setting"}));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[1].find("Synchronous Capture"), std::string::npos);
}

TEST_F(CPrintTest, SettingsPagesShowTheValuesOfTheNodes) {
    CNode::ResolvePath("DTMF.D3")->SetText("12EF");
    CNode::ResolvePath("PGR.C4.Code")->SetText("321");
    CNode::ResolvePath("Common.CloneComment")->SetText("FIELD DAY");
    ASSERT_EQ(Print({CPrintJob::kCommon, CPrintJob::kDtmf, CPrintJob::kPgr}),
              CPrintJob::EResult::kPrinted);
    const std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_TRUE(std::regex_search(pages[0], std::regex(R"(Comment\s+FIELD DAY)")));
    EXPECT_TRUE(std::regex_search(pages[1], std::regex(R"(D3\s+12EF)")));
    EXPECT_TRUE(std::regex_search(pages[2], std::regex(R"(C4\s+\S+\s+321)")));
}

TEST_F(CPrintTest, TheMemoryListIsPagedByTheRowsThatFitUnderTheHeader) {
    ASSERT_EQ(Print({CPrintJob::kMemoryList}), CPrintJob::EResult::kPrinted);
    const std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_FALSE(pages.empty());

    // Every row once, in order, over the pages.
    std::vector<std::string> printed;
    for (const std::string& page : pages) {
        const std::vector<std::string> labels = RowLabels(page);
        printed.insert(printed.end(), labels.begin(), labels.end());
    }
    ASSERT_EQ(printed.size(), 100u);
    EXPECT_EQ(printed.front(), "00");
    EXPECT_EQ(printed.back(), "99");

    // A page holds as many rows as fit, with the line of column titles,
    // between the page header and the footer.
    CPrintDevice device(settings);
    device.SetMargins(15, 15, 0, 0);
    ASSERT_TRUE(device.StartJob("measure"));
    const SPrintRect rect = device.PrintableRect();
    const int room = (rect.bottom - rect.top) - 2 * device.PageHeaderDepth();
    const int perPage = static_cast<int>(RowLabels(pages.front()).size());
    device.AbortJob();
    EXPECT_LE((perPage + 1) * device.LineHeight(), room);
    EXPECT_GT((perPage + 2) * device.LineHeight(), room);
    EXPECT_EQ(static_cast<int>(pages.size()), (100 + perPage - 1) / perPage);
}

TEST_F(CPrintTest, AListPrintsWhileShownAndTheShownListComesBack) {
    lists.ShowArea(1);
    lists.shown.clear();
    ASSERT_EQ(Print({CPrintJob::kCallList}), CPrintJob::EResult::kPrinted);
    EXPECT_EQ(lists.shown, (std::vector<int>{3, 1}));
    EXPECT_EQ(lists.ShownArea(), 1);
    EXPECT_EQ(Titles(PdfPages(pdf)), std::vector<std::string>{"Call"});
}

TEST_F(CPrintTest, WithoutAPrinterTheUserIsToldAndNothingPrints) {
    for (const char* entry : {"QM PDF,PDF", "", "QM PDF"}) {
        ui.m_messages.clear();
        UsePrinterEntry(entry);
        EXPECT_EQ(Print({CPrintJob::kEverything}), CPrintJob::EResult::kNoPrinter) << entry;
        ASSERT_EQ(ui.m_messages.size(), 1u) << entry;
        EXPECT_EQ(ui.m_messages[0].text,
                  "There is no printer.\nBefore you can print, you need to install a printer.");
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
}

// A PDF printer whose folder cannot take the file says which folder and why,
// before anything is drawn.
TEST_F(CPrintTest, AFolderThatCannotBeWrittenIsNamedWithTheReason) {
    std::ofstream(folder + "/plain") << "a file, not a folder\n";
    const struct {
        std::string pdf;
        std::string folderName;
        std::string reason;
    } cases[] = {{folder + "/missing/out.pdf", folder + "/missing", "No such file or directory"},
                 {folder + "/plain/out.pdf", folder + "/plain", "Not a directory"}};
    for (const auto& c : cases) {
        ui.m_messages.clear();
        UsePrinterEntry("QM PDF,PDF," + c.pdf);
        EXPECT_EQ(Print({CPrintJob::kPgr}), CPrintJob::EResult::kFailed);
        ASSERT_EQ(ui.m_messages.size(), 1u);
        const std::string& text = ui.m_messages[0].text;
        EXPECT_NE(text.find("folder " + c.folderName), std::string::npos) << text;
        EXPECT_NE(text.find(c.reason), std::string::npos) << text;
        EXPECT_EQ(text.find("There is no printer"), std::string::npos) << text;
    }
}

TEST_F(CPrintTest, CancelDropsTheJobAndKeepsTheOldFile) {
    std::ofstream(pdf) << "the old file";
    QWidget owner;
    bool ownerWasDisabled = false;
    QTimer::singleShot(0, [&] {
        QWidget* status = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QString::number(CPrintStatusDlg::kResourceId)) {
                status = window;
            }
        }
        ASSERT_NE(status, nullptr);
        ownerWasDisabled = !owner.isEnabled();
        status->findChild<QPushButton*>(QStringLiteral("2"))->click();
    });
    std::unique_ptr<CPrintJob> job = MakeJob();
    job->AddJob(CPrintJob::kEverything);
    lists.shown.clear();
    EXPECT_EQ(job->Run(&owner), CPrintJob::EResult::kCancelled);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(ReadWholeFile(pdf), "the old file");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1)
        << "no new or partial file beside it";
    EXPECT_TRUE(lists.shown.empty()) << "the job stopped after its first page";
}

TEST_F(CPrintTest, AFinishedJobReplacesTheOldFile) {
    std::ofstream(pdf) << "the old file";
    ASSERT_EQ(Print({CPrintJob::kPgr}), CPrintJob::EResult::kPrinted);
    EXPECT_EQ(Titles(PdfPages(pdf)), std::vector<std::string>{"PGR Memory"});
}

TEST(SpoolCommandTest, HandsTheFileToTheNamedPrinterWithItsCopies) {
    SPageSettings settings = CPrintDevice::DefaultPageSettings("");
    using Command = std::vector<std::string>;
    EXPECT_EQ(CPrintDevice::SpoolCommand("Office", "CP-Z5", settings, "/tmp/prXYZ"),
              (Command{"lp", "-d", "Office", "-t", "CP-Z5", "-n", "1", "--", "/tmp/prXYZ"}));
    settings.copies = 3;
    settings.collate = true;
    EXPECT_EQ(CPrintDevice::SpoolCommand("-x", "t", settings, "f"),
              (Command{"lp", "-d", "-x", "-t", "t", "-n", "3", "-o", "collate=true", "--", "f"}));
}

TEST_F(CPrintTest, TheCommandLineToolPrintsTheChosenSections) {
    const std::string clone = folder + "/radio.cz5";
    ASSERT_EQ(RunCli(folder, "new -o radio.cz5").status, 0);
    const SCliRun run = RunCli(folder, "print radio.cz5 -o cli.pdf --sections pgr,dtmf");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Titles(PdfPages(folder + "/cli.pdf")),
              (std::vector<std::string>{"DTMF Autodial", "PGR Memory"}));

    EXPECT_EQ(RunCli(folder, "print radio.cz5 -o x.pdf --sections pgr,fax").status, 64);
    EXPECT_EQ(RunCli(folder, "print radio.cz5 -o x.pdf --printer Office").status, 64);
    EXPECT_EQ(RunCli(folder, "print nothing.cz5 -o x.pdf").status, 2);
    EXPECT_FALSE(std::filesystem::exists(folder + "/x.pdf"));

    const SCliRun unwritable = RunCli(folder, "print radio.cz5 -o nowhere/x.pdf");
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("folder nowhere"), std::string::npos) << unwritable.err;
    EXPECT_NE(unwritable.err.find("No such file or directory"), std::string::npos);
    EXPECT_EQ(unwritable.err.find("There is no printer"), std::string::npos);
}

// Killed at any moment, print -o leaves the old file or the whole new one,
// never a part of it.
TEST_F(CPrintTest, AKilledPrintLeavesTheOldFileOrTheWholeNewOne) {
    ASSERT_EQ(RunCli(folder, "new -o radio.cz5").status, 0);
    const std::string target = folder + "/kept.pdf";
    for (int delay : {0, 100, 200, 300, 450, 600, 800, 1200}) {
        std::ofstream(target) << "the old file";
        // Its temporary files stay in the test's folder.
        const std::string command = "cd '" + folder + "' && TMPDIR='" + folder +
                                    "' XDG_CONFIG_HOME='" + folder +
                                    "/config' '" CPZ5_CLI_PATH "' print radio.cz5 -o kept.pdf " +
                                    ">/dev/null 2>&1 & sleep " + std::to_string(delay / 1000.0) +
                                    "; kill -9 $! 2>/dev/null; wait";
        ASSERT_NE(std::system(command.c_str()), -1);
        const std::string content = ReadWholeFile(target);
        const bool old = content == "the old file";
        const bool whole = content.rfind("%PDF", 0) == 0 &&
                           content.find("%%EOF", content.size() - 16) != std::string::npos;
        EXPECT_TRUE(old || whole) << "after " << delay << " ms: " << content.size() << " bytes";
    }
}

// Without -o the tool prints where the desktop program would: the printer of
// the user's settings file, written by hand as "name,driver,port".
TEST_F(CPrintTest, TheCommandLineToolPrintsToTheConfiguredPrinter) {
    ASSERT_EQ(RunCli(folder, "new -o radio.cz5").status, 0);
    std::filesystem::create_directories(folder + "/config/Brel");
    std::ofstream(folder + "/config/Brel/CP-Z5.conf")
        << "[Model]\nSetup=1\n[windows]\ndevice=Office PDF,PDF," << folder << "/office.pdf\n";
    const SCliRun run = RunCli(folder, "print radio.cz5 --sections pgr");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Titles(PdfPages(folder + "/office.pdf")), std::vector<std::string>{"PGR Memory"});

    const SCliRun missing = RunCli(folder, "print radio.cz5 --printer cpz5-no-such-printer");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("no printer named cpz5-no-such-printer exists"), std::string::npos)
        << missing.err;
}

}  // namespace
