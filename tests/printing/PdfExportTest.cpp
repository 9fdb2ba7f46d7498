// File > Export PDF..., "Only channels in use" and Print Preview without a
// printer: the pages written, their footers, the targets that are refused,
// and a preview that finds the printers of the moment.
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <cstdlib>
#include <fstream>
#include <regex>

#include <sys/stat.h>
#include <unistd.h>

#include "PrintTestSupport.h"
#include "app/PdfExport.h"
#include "app/PrintPreviewDlg.h"
#include "app/PrintSelectDlg.h"
#include "model/NodeAccess.h"
#include "print/ChListPrint.h"
#include "support/CliRun.h"

namespace {

constexpr uid_t kOtherUser = 4242;

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

std::vector<std::string> AllRowLabels(const std::vector<std::string>& pages) {
    std::vector<std::string> labels;
    for (const std::string& page : pages) {
        const std::vector<std::string> more = RowLabels(page);
        labels.insert(labels.end(), more.begin(), more.end());
    }
    return labels;
}

void Program(const std::string& channel, const char* frequency) {
    CNode* node = CNode::ResolvePath(channel);
    ASSERT_NE(node, nullptr) << channel;
    ASSERT_TRUE(SetNodeText(node, "Clear", "OFF"));
    ASSERT_TRUE(SetNodeFreq(node, "FreqRx", frequency));
}

// Every page's footer names the file, today and the page of the job.
void ExpectFooters(const std::vector<std::string>& pages, const std::string& file) {
    ASSERT_FALSE(pages.empty());
    for (std::size_t page = 0; page < pages.size(); ++page) {
        const std::regex footer(file + " \u00b7 \\d{4}-\\d{2}-\\d{2} \u00b7 page " +
                                std::to_string(page + 1) + " of " + std::to_string(pages.size()));
        EXPECT_TRUE(std::regex_search(pages[page], footer)) << pages[page];
    }
}

class CExportTest : public CPrintTest {
  protected:
    CExportTest() {
        for (const char* name : {"All", "Common", "Dtmf", "Pgr", "Mch", "Pch", "Cch"}) {
            settings.SetInt("Print", name, 0);
        }
        dialog.SetFileNameSource([] { return std::string("club.cz5"); });
    }

    // Runs the command: OK in the print dialog, then path in the save
    // dialog.
    bool Export(const std::string& path) {
        exporter.SetPrompt([path](const std::string&) { return path; });
        QMetaObject::invokeMethod(
            &dialog, [this] { dialog.findChild<QPushButton*>(QStringLiteral("1"))->click(); },
            Qt::QueuedConnection);
        return exporter.Run(nullptr);
    }

    std::vector<std::string> FolderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    CPrintSelectDlg dialog{settings, ui, lists, lists};
    CPdfExport exporter{dialog, document, ui, lists, lists};
};

TEST_F(CExportTest, ThePdfHoldsTheChosenSectionsWithFileDateAndPageInEveryFooter) {
    settings.SetInt("Print", "Pgr", 1);
    settings.SetInt("Print", "Mch", 1);
    ASSERT_TRUE(Export(folder + "/club"));

    const std::vector<std::string> pages = PdfPages(folder + "/club.pdf");
    ASSERT_GT(pages.size(), 2u);
    EXPECT_EQ(Title(pages.front()), "PGR Memory");
    EXPECT_EQ(Title(pages.back()), "Memory CH");
    ExpectFooters(pages, "club\\.cz5");
    for (const std::string& page : pages) {
        EXPECT_NE(page.find("Brel Inc."), std::string::npos) << "the frame stays";
    }
    EXPECT_TRUE(ui.m_messages.empty());
    ASSERT_FALSE(ui.m_statusTexts.empty());
    EXPECT_EQ(ui.m_statusTexts.back(), "Pages exported to " + folder + "/club.pdf.");
}

TEST(PdfExportNameTest, SuggestsTheCloneFilesNameWithPdf) {
    EXPECT_EQ(CPdfExport::SuggestedName("/home/a/club.cz5"), "/home/a/club.pdf");
    EXPECT_EQ(CPdfExport::SuggestedName("/home/a/club"), "/home/a/club.pdf");
    EXPECT_EQ(CPdfExport::SuggestedName(""), "Untitled.pdf");
}

// A target the program would not save a clone file over is not written
// either: the reason is told, the target stays as it was and nothing is
// left beside it.
TEST_F(CExportTest, ATargetThatMayNotBeReplacedIsRefusedWithItsReason) {
    settings.SetInt("Print", "Pgr", 1);
    const std::string open = folder + "/open.cz5";
    std::ofstream(open) << "clone";
    document.SetPathName(open);
    struct SCase {
        const char* what;
        std::function<std::string()> make;  // makes the target, returns its path
        const char* reason;
    };
    const SCase cases[] = {
        {"a folder",
         [&] {
             std::filesystem::create_directory(folder + "/dir.pdf");
             return folder + "/dir.pdf";
         },
         "is a directory"},
        {"a FIFO",
         [&] {
             ::mkfifo((folder + "/fifo.pdf").c_str(), 0600);
             return folder + "/fifo.pdf";
         },
         "is a FIFO"},
        {"a read-only file",
         [&] {
             std::ofstream(folder + "/kept.pdf") << "kept";
             ::chmod((folder + "/kept.pdf").c_str(), 0444);
             return folder + "/kept.pdf";
         },
         "is read-only"},
        {"the open clone file", [&] { return open; }, "is the open clone file"},
        {"another user's link in a folder open to all",
         [&] {
             std::ofstream(folder + "/secret") << "secret";
             std::filesystem::create_directory(folder + "/shared");
             const std::string link = folder + "/shared/out.pdf";
             if (::symlink((folder + "/secret").c_str(), link.c_str()) != 0 ||
                 ::lchown(link.c_str(), kOtherUser, static_cast<gid_t>(-1)) != 0) {
                 return std::string();  // only root plants another user's link
             }
             ::chmod((folder + "/shared").c_str(), 01777);
             return link;
         },
         "another user's symbolic link"},
    };
    for (const SCase& c : cases) {
        const std::string target = c.make();
        if (target.empty()) {
            continue;
        }
        const std::vector<std::string> before = FolderNames();
        ui.m_messages.clear();
        EXPECT_FALSE(Export(target)) << c.what;
        ASSERT_EQ(ui.m_messages.size(), 1u) << c.what;
        EXPECT_NE(ui.m_messages[0].text.find(c.reason), std::string::npos)
            << c.what << ": " << ui.m_messages[0].text;
        EXPECT_EQ(FolderNames(), before) << c.what;
    }
    EXPECT_EQ(ReadWholeFile(folder + "/kept.pdf"), "kept");
    EXPECT_EQ(ReadWholeFile(folder + "/secret"), "secret");
    EXPECT_EQ(ReadWholeFile(open), "clone");
}

TEST_F(CPrintTest, OnlyChannelsInUseLeavesClearedChannelsOut) {
    ASSERT_TRUE(SetNodeText(CNode::ResolvePath("MCH.CH0"), "Clear", "ON"));
    Program("MCH.CH5", "145.5");
    Program("MCH.CH42", "149.0");  // outside the radio's bands
    struct SCase {
        bool inUseOnly;
        std::size_t rows;
    };
    for (const SCase c : {SCase{true, 2}, SCase{false, 100}}) {
        std::unique_ptr<CPrintJob> job = MakeJob();
        job->AddJob(CPrintJob::kMemoryList);
        job->SetOptions({.fileName = "club.cz5", .date = "", .channelsInUseOnly = c.inUseOnly});
        ASSERT_EQ(job->Run(nullptr), CPrintJob::EResult::kPrinted);

        const std::vector<std::string> pages = PdfPages(pdf);
        const std::vector<std::string> labels = AllRowLabels(pages);
        ASSERT_EQ(labels.size(), c.rows) << ::testing::PrintToString(labels);
        if (c.inUseOnly) {
            EXPECT_EQ(labels, (std::vector<std::string>{"05", "42"}));
        }
        // The mark is explained once, on the page that shows it first.
        std::string all;
        std::size_t firstMarked = pages.size();
        for (std::size_t page = 0; page < pages.size(); ++page) {
            all += pages[page];
            if (firstMarked == pages.size() &&
                pages[page].find("149.00000(!)") != std::string::npos) {
                firstMarked = page;
            }
        }
        ASSERT_LT(firstMarked, pages.size());
        EXPECT_EQ(Count(all, CChListPrint::kOutOfBandNote), 1u) << c.inUseOnly;
        EXPECT_NE(pages[firstMarked].find(CChListPrint::kOutOfBandNote), std::string::npos);
        ExpectFooters(pages, "club\\.cz5");
    }
}

TEST_F(CPrintTest, AListWithoutAChannelInUseSaysSo) {
    std::unique_ptr<CPrintJob> job = MakeJob();
    job->AddJob(CPrintJob::kScanEdgeList);
    job->SetOptions({.fileName = "", .date = "2031-02-03", .channelsInUseOnly = true});
    ASSERT_EQ(job->Run(nullptr), CPrintJob::EResult::kPrinted);
    const std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(RowLabels(pages[0]).empty());
    EXPECT_NE(pages[0].find(CChListPrint::kNoChannelNote), std::string::npos);
    EXPECT_NE(pages[0].find("Untitled \u00b7 2031-02-03 \u00b7 page 1 of 1"), std::string::npos);
}

// A print system whose printers the test chooses: lpstat and lpoptions on
// the path tell what the files of the folder say.
class CPreviewTest : public CPrintTest {
  protected:
    CPreviewTest() : m_path(std::getenv("PATH") != nullptr ? std::getenv("PATH") : "") {
        std::ofstream(folder + "/lpstat") << "#!/bin/sh\n"
                                             "[ -f '"
                                          << folder
                                          << "/printer' ] || exit 0\n"
                                             "case \"$1\" in\n"
                                             "  -e) cat '"
                                          << folder
                                          << "/printer';;\n"
                                             "  -d) echo \"system default destination: $(cat '"
                                          << folder
                                          << "/printer')\";;\n"
                                             "esac\n";
        std::ofstream(folder + "/lpoptions")
            << "#!/bin/sh\necho 'PageSize/Page Size: A4 *Letter'\n";
        std::filesystem::permissions(folder + "/lpstat", std::filesystem::perms::owner_all);
        std::filesystem::permissions(folder + "/lpoptions", std::filesystem::perms::owner_all);
        ::setenv("PATH", (folder + ":" + m_path).c_str(), 1);
    }
    ~CPreviewTest() override { ::setenv("PATH", m_path.c_str(), 1); }

    void InstallPrinter(const std::string& name) {
        std::ofstream(folder + "/printer") << name << "\n";
    }

    const std::string m_path;
};

// No "device" entry: the system's default printer, looked up for every
// preview.
TEST_F(CPreviewTest, WithoutAPrinterThePreviewShowsThePagesAndLaterFindsOne) {
    const CMemorySettingsStore systemDefault;
    CPrintJob job(std::make_unique<CPrintDevice>(systemDefault), ui, lists, lists);
    job.AddJob(CPrintJob::kPgr);
    job.AddJob(CPrintJob::kDtmf);
    {
        CPrintPreviewDlg preview(job);
        EXPECT_EQ(preview.PageCount(), 2);
        EXPECT_NE(preview.PrinterText().indexOf(QStringLiteral("No printer")), -1)
            << preview.PrinterText().toStdString();
        EXPECT_NE(preview.PrinterText().indexOf(QStringLiteral("A4")), -1);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_TRUE(screen.contains(preview.geometry())) << "the preview fits the screen";
    }
    EXPECT_TRUE(ui.m_messages.empty()) << "nothing to tell: the preview needs no printer";

    InstallPrinter("Office");
    CPrintPreviewDlg preview(job);
    EXPECT_EQ(preview.PageCount(), 2);
    EXPECT_TRUE(preview.PrinterText().startsWith(QStringLiteral("Printer: Office (Letter")))
        << preview.PrinterText().toStdString();
}

TEST_F(CPrintTest, TheCommandLineToolSharesTheFootersAndOnlyChannelsInUse) {
    ASSERT_EQ(RunCli(folder, "new -o radio.cz5").status, 0);
    const SCliRun run = RunCli(folder, "print radio.cz5 -o cli.pdf --sections pgr,dtmf");
    ASSERT_EQ(run.status, 0) << run.err;
    ExpectFooters(PdfPages(folder + "/cli.pdf"), "radio\\.cz5");

    const SCliRun inUse = RunCli(folder, "print radio.cz5 -o use.pdf --sections pch --in-use");
    ASSERT_EQ(inUse.status, 0) << inUse.err;
    const std::vector<std::string> pages = PdfPages(folder + "/use.pdf");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find(CChListPrint::kNoChannelNote), std::string::npos);
}

}  // namespace
