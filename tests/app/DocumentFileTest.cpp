// Opening and saving clone files through the document: a bad file leaves the
// document as it was, a failed save leaves the file on disk as it was, and
// saved files always open again.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "DocumentTestSupport.h"
#include "clone/Z5DefaultDataManager.h"
#include "transport/SettingsKeys.h"

namespace {

class DocumentFiles : public CDocumentTest {
  protected:
    DocumentFiles() {
        settings.SetInt(SettingsKey::kModelSection, SettingsKey::kModelVer.name, 2);
        document = std::make_unique<CZ5Doc>(settings, ui);
    }

    // A document opened from a file of random data, then edited.
    void OpenEditedRandomFile() {
        WriteFile(dir.File("good.cz5"), CloneText(RandomBytes(0x7A0, 11), "\r\n"));
        ASSERT_TRUE(document->OpenFile(dir.File("good.cz5")).ok);
        RootOf(*document).FindPath("MCH.CH3.Name")->SetText("EDIT");
        document->SetModifiedFlag(true);
    }

    std::unique_ptr<CZ5Doc> document;
};

struct SBadFile {
    const char* name;
    std::string content;  // ignored for the special paths below
    const char* result;
};

TEST_F(DocumentFiles, AFailedOpenLeavesTheDocumentAsItWas) {
    OpenEditedRandomFile();
    const std::vector<std::uint8_t> image = ImageOf(*document);
    const auto texts = LeafTexts(*document);
    const std::string text = CloneText(RandomBytes(0x7A0, 12), "\n");
    const SBadFile files[] = {
        {"empty", "", "FORMAT_ERROR"},
        {"no header", text.substr(text.find('\n', 10) + 1), "FORMAT_ERROR"},
        {"other model", "24690001" + text.substr(8), "MISMATCH_MODEL"},
        {"other revision", "24680002" + text.substr(8), "MISMATCH_REVISION"},
        {"bad last line", text + "0790FF\n", "FORMAT_ERROR"},
        {"past the end", text + "07A00100\n", "DATA_OVERFLOW"},
        {"long line", text + std::string(1 << 20, 'F') + "\n", "FORMAT_ERROR"},
        {"binary", std::string("\x00\xFF\r\r\n\x1A", 6) + text, "FORMAT_ERROR"},
    };
    for (const SBadFile& file : files) {
        WriteFile(dir.File("bad.cz5"), file.content);
        CDocument::SFileResult result = document->OpenFile(dir.File("bad.cz5"));
        EXPECT_FALSE(result.ok) << file.name;
        EXPECT_EQ(result.message, file.result) << file.name;
    }
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    const std::pair<std::string, const char*> unreadable[] = {
        {dir.File("missing.cz5"), "CANNOT_OPEN_FILE: No such file or directory"},
        {dir.Path(), "CANNOT_OPEN_FILE: is a directory"},
        {dir.File("fifo"), "CANNOT_OPEN_FILE: is a FIFO, not a regular file"},
    };
    for (const auto& [path, message] : unreadable) {
        EXPECT_EQ(document->OpenFile(path).message, message) << path;
    }
    EXPECT_EQ(ImageOf(*document), image);
    EXPECT_EQ(LeafTexts(*document), texts);
    EXPECT_EQ(document->GetPathName(), dir.File("good.cz5"));
    EXPECT_EQ(document->GetTitle(), "good.cz5");
    EXPECT_TRUE(document->IsModified());
}

TEST_F(DocumentFiles, AnOpenedFileReplacesImageNodesAndName) {
    const std::vector<std::uint8_t> bytes = RandomBytes(0x7A0, 21);
    WriteFile(dir.File("in.cz5"), CloneText(bytes, "\n"));
    document->SetModifiedFlag(true);
    CDocument::SFileResult result = document->OpenFile(dir.File("in.cz5"));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.message, "OK");
    EXPECT_EQ(ImageOf(*document), bytes);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(document->GetTitle(), "in.cz5");
    CZ5CloneRig decoded(2);
    decoded.Image().Write(0, bytes.data(), 0x7A0);
    decoded.manager.LoadNodes();
    EXPECT_EQ(RootOf(*document).FindPath("MCH.CH77.FreqRx")->GetText(),
              decoded.Leaf("MCH.CH77.FreqRx").GetText());
}

TEST_F(DocumentFiles, AFileWithLfLineEndsIsSavedBackWithCrLf) {
    WriteFile(dir.File("lf.cz5"), CloneText(RandomBytes(0x7A0, 31), "\n"));
    ASSERT_TRUE(document->OpenFile(dir.File("lf.cz5")).ok);
    CDocument::SFileResult saved = document->SaveFile(dir.File("crlf.cz5"));
    ASSERT_TRUE(saved.ok) << saved.message;
    const std::string text = ReadFile(dir.File("crlf.cz5"));
    const std::vector<std::string> lines = SplitLines(text, "\r\n");
    ASSERT_EQ(lines.size(), 124u);
    std::size_t size = 0;
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        size += line.size() + 2;
    }
    EXPECT_EQ(text.size(), size);  // every line, the last too, ends in CR LF
    EXPECT_EQ(document->GetPathName(), dir.File("crlf.cz5"));
    EXPECT_FALSE(document->IsModified());

    CZ5Doc again(settings, ui);
    ASSERT_TRUE(again.OpenFile(dir.File("crlf.cz5")).ok);
    EXPECT_EQ(ImageOf(again), ImageOf(*document));
}

TEST_F(DocumentFiles, TheCommentGoesIntoTheFileCutTo16Characters) {
    RootOf(*document).FindPath("Common.CloneComment")->SetText("A comment far too long");
    ASSERT_TRUE(document->SaveFile(dir.File("c.cz5")).ok);
    const std::vector<std::string> lines = SplitLines(ReadFile(dir.File("c.cz5")), "\r\n");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], "#A comment far to");
}

TEST_F(DocumentFiles, AFailedSaveLeavesTheFileOnDiskAndTheDocumentAsTheyWere) {
    const std::string target = dir.File("keep.cz5");
    WriteFile(target, "what was there\n");
    document->SetModifiedFlag(true);
    // The temporary file cannot be written: a directory took its place.
    const std::vector<std::string> temp = FilesStartingWith("~CP");
    ASSERT_EQ(temp.size(), 1u);
    std::filesystem::remove(temp[0]);
    std::filesystem::create_directory(temp[0]);

    CDocument::SFileResult result = document->SaveFile(target);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.rfind("CANNOT_OPEN_FILE", 0), 0u) << result.message;
    EXPECT_EQ(ReadFile(target), "what was there\n");
    EXPECT_EQ(document->GetPathName(), "");
    EXPECT_TRUE(document->IsModified());
    std::filesystem::remove(temp[0]);
}

TEST_F(DocumentFiles, ATargetThatCannotBeWrittenIsReportedAndLeavesNoDebris) {
    for (const std::string& path : {dir.File("no/such/dir.cz5"), dir.Path()}) {
        CDocument::SFileResult result = document->SaveFile(path);
        EXPECT_FALSE(result.ok) << path;
        EXPECT_EQ(result.message.rfind("CANNOT_OPEN_FILE: ", 0), 0u) << result.message;
    }
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        std::string name = entry.path().filename().string();
        // The document's and the serial transfer's temporary files only.
        EXPECT_TRUE(name.rfind("~CP", 0) == 0 || name.rfind("cl", 0) == 0) << name;
    }
}

TEST_F(DocumentFiles, SavingReplacesTheWholeFileAndKeepsItsPermissionsAndLinks) {
    const std::string target = dir.File("old.cz5");
    WriteFile(target, std::string(100000, 'x'));
    ::chmod(target.c_str(), 0640);
    std::filesystem::create_symlink(target, dir.File("link.cz5"));
    ASSERT_TRUE(document->SaveFile(dir.File("link.cz5")).ok);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.cz5")));
    EXPECT_EQ(SplitLines(ReadFile(target), "\r\n").size(), 124u);
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

// What the file does not hold comes from the factory image, not from the
// file that was open before, and the user is told.
TEST_F(DocumentFiles, AFileCutShortOpensOverTheFactoryImageWithAWarning) {
    OpenEditedRandomFile();
    const std::vector<std::uint8_t> bytes = RandomBytes(0x7A0, 13);
    const std::string text = CloneText(bytes, "\r\n");
    std::size_t end = 0;
    for (int line = 0; line < 2 + 60; ++line) {
        end = text.find("\r\n", end) + 2;
    }
    WriteFile(dir.File("short.cz5"), text.substr(0, end));
    ASSERT_TRUE(document->OpenFile(dir.File("short.cz5")).ok);

    const auto& factory = CZ5DefaultDataManager::FactoryImage(2);
    std::vector<std::uint8_t> expected(bytes.begin(), bytes.begin() + 60 * 16);
    expected.insert(expected.end(), factory.begin() + 60 * 16, factory.end());
    EXPECT_EQ(ImageOf(*document), expected);
    const std::string warning = dir.File("short.cz5") +
                                " holds only 60 of the 122 data lines of a full clone file; the "
                                "rest is factory data.";
    ASSERT_FALSE(ui.m_statusTexts.empty());
    EXPECT_EQ(ui.m_statusTexts.back(), warning);
    ASSERT_EQ(ui.m_messages.size(), 1u);
    EXPECT_EQ(ui.m_messages[0].text, warning);
    EXPECT_EQ(ui.m_messages[0].style, MessageStyle::Ok | MessageStyle::IconExclamation);

    ASSERT_TRUE(document->OpenFile(dir.File("good.cz5")).ok);
    EXPECT_EQ(ui.m_messages.size(), 1u);  // a whole file opens without a word
}

TEST_F(DocumentFiles, AReadOnlyFileIsNotSavedOverAndSaveAsIsOffered) {
    OpenEditedRandomFile();
    const std::string before = ReadFile(dir.File("good.cz5"));
    ASSERT_EQ(::chmod(dir.File("good.cz5").c_str(), 0444), 0);
    document->SetSaveNamePrompt([this] { return dir.File("copy.cz5"); });

    ui.QueueAnswer(IDNO);
    EXPECT_FALSE(document->OnFileSave());
    ASSERT_EQ(ui.m_messages.size(), 1u);
    EXPECT_NE(ui.m_messages[0].text.find(dir.File("good.cz5") + " is read-only"), std::string::npos)
        << ui.m_messages[0].text;
    EXPECT_NE(ui.m_messages[0].text.find("Save under another name?"), std::string::npos);
    EXPECT_EQ(ui.m_messages[0].style, MessageStyle::YesNo | MessageStyle::IconExclamation);
    EXPECT_FALSE(std::filesystem::exists(dir.File("copy.cz5")));

    ui.QueueAnswer(IDYES);
    EXPECT_TRUE(document->OnFileSave());
    EXPECT_EQ(ReadFile(dir.File("good.cz5")), before);
    EXPECT_EQ(document->GetPathName(), dir.File("copy.cz5"));
    EXPECT_FALSE(document->IsModified());
    CZ5Doc again(settings, ui);
    ASSERT_TRUE(again.OpenFile(dir.File("copy.cz5")).ok);
    EXPECT_EQ(RootOf(again).FindPath("MCH.CH3.Name")->GetText(), "EDIT");
}

// A temporary folder that takes no more data: the message says why.
TEST_F(DocumentFiles, ATemporaryFileThatCannotBeWrittenIsNamedWithTheCause) {
    WriteFile(dir.File("in.cz5"), CloneText(RandomBytes(0x7A0, 17), "\r\n"));
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 1000;
    void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const CDocument::SFileResult saved = document->SaveFile(dir.File("out.cz5"));
    const CDocument::SFileResult opened = document->OpenFile(dir.File("in.cz5"));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    const std::vector<std::string> temp = FilesStartingWith("~CP");
    ASSERT_EQ(temp.size(), 1u);
    const std::string expected =
        "ERROR: the temporary file " + temp[0] + " could not be written: File too large";
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message, expected);
    EXPECT_FALSE(opened.ok);
    EXPECT_EQ(opened.message, expected);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.cz5")));
}

TEST_F(DocumentFiles, TheSaveQuestionComesOnlyForChangedData) {
    EXPECT_TRUE(document->SaveModified());
    EXPECT_TRUE(ui.m_messages.empty());

    document->SetModifiedFlag(true);
    ui.QueueAnswer(IDCANCEL);
    EXPECT_FALSE(document->SaveModified());
    ui.QueueAnswer(IDNO);
    EXPECT_TRUE(document->SaveModified());
    ui.QueueAnswer(IDYES);  // no file name and no one to ask for one
    EXPECT_FALSE(document->SaveModified());

    document->SetSaveNamePrompt([this] { return dir.File("asked.cz5"); });
    ui.QueueAnswer(IDYES);
    EXPECT_TRUE(document->SaveModified());
    EXPECT_TRUE(std::filesystem::exists(dir.File("asked.cz5")));
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(ui.m_messages.size(), 4u);
}

TEST_F(DocumentFiles, SaveCommandsWaitForTheRunningCommand) {
    document->SetSaveNamePrompt([this] { return dir.File("saved.cz5"); });
    ASSERT_TRUE(CCloneSupportDoc::TryEnterCommand());
    EXPECT_FALSE(document->OnFileSave());
    EXPECT_FALSE(std::filesystem::exists(dir.File("saved.cz5")));
    CCloneSupportDoc::LeaveCommand();
    EXPECT_TRUE(document->OnFileSave());
    EXPECT_TRUE(document->OnFileSaveAs());
    EXPECT_TRUE(std::filesystem::exists(dir.File("saved.cz5")));
    EXPECT_TRUE(CCloneSupportDoc::TryEnterCommand());  // released again
    CCloneSupportDoc::LeaveCommand();

    document->SetSaveNamePrompt([this] { return dir.File("no/dir.cz5"); });
    EXPECT_FALSE(document->OnFileSaveAs());
    ASSERT_FALSE(ui.m_messages.empty());
    EXPECT_EQ(ui.m_messages.back().style, MessageStyle::Ok | MessageStyle::IconError);
}

}  // namespace
