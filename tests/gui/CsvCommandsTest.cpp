// File > Import CSV... and Export CSV... as the user meets them: the file
// chosen, the bad rows shown, the choice to skip them.
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "app/CsvCommands.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TempFile.h"
#include "support/ScriptedUserInterface.h"

namespace {

class CsvCommandsTest : public ::testing::Test {
  protected:
    CsvCommandsTest() {
        commands.SetImportPrompt([this] { return m_csv.Path(); });
        commands.SetExportPrompt([this] { return m_csv.Path(); });
    }
    void WriteCsv(const std::string& text) { std::ofstream(m_csv.Path()) << text; }
    const std::string& CsvPath() const { return m_csv.Path(); }
    static std::string Text(const std::string& path) { return CNode::ResolvePath(path)->GetText(); }

    static CMemorySettingsStore UsaSettings() {
        CMemorySettingsStore usa;
        usa.SetInt("Model", "ModelVer", 2);  // 144 to 148 MHz
        return usa;
    }

    CMemorySettingsStore settings = UsaSettings();
    CScriptedUserInterface ui;
    CZ5Doc document{settings, ui};
    CCsvCommands commands{document, ui};

  private:
    CTempFile m_csv{"csv"};
};

constexpr const char* kListWithABadRow =
    "Location,Name,Frequency\n"
    "3,LOCAL,146.520000\n"
    "4,FAR,430.000000\n";

TEST_F(CsvCommandsTest, BadRowsAreShownAndNothingArrivesUnlessTheUserSkipsThem) {
    WriteCsv(kListWithABadRow);
    std::vector<SNodeChange> heard;
    auto listening =
        document.NodeChanges().Subscribe([&](const SNodeChange& c) { heard.push_back(c); });
    ui.QueueAnswer(IDNO);
    EXPECT_FALSE(commands.Import());
    EXPECT_TRUE(heard.empty());
    EXPECT_FALSE(document.IsModified());
    ASSERT_EQ(ui.m_messages.size(), 1u);
    EXPECT_NE(ui.m_messages[0].text.find("line 3"), std::string::npos) << ui.m_messages[0].text;
    EXPECT_EQ(Text("MCH.CH3.Clear"), "ON");

    ui.QueueAnswer(IDYES);
    EXPECT_TRUE(commands.Import());
    ASSERT_EQ(heard.size(), 1u) << "the document announces the imported channels";
    EXPECT_TRUE(heard[0].Touches(kAreaMemory, 3));
    EXPECT_FALSE(heard[0].Touches(kAreaMemory, 4));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(Text("MCH.CH3.Clear"), "OFF");
    EXPECT_EQ(Text("MCH.CH3.FreqRx"), "146.52000");
    EXPECT_EQ(Text("MCH.CH4.Clear"), "ON");
}

TEST_F(CsvCommandsTest, ValuesStoredOtherwiseAreListedAfterTheImport) {
    WriteCsv("Location;Name;Frequency\n3;ZÜRICH;146,5031\n");
    EXPECT_TRUE(commands.Import());
    ASSERT_EQ(ui.m_messages.size(), 1u);
    EXPECT_EQ(ui.m_messages[0].style, MessageStyle::Ok | MessageStyle::IconInformation);
    for (const char* warning : {"line 2: Name \"ZÜRICH\" is stored as \"ZRICH\"",
                                "line 2: Frequency 146.503100 MHz is stored as 146.505000 MHz"}) {
        EXPECT_NE(ui.m_messages[0].text.find(warning), std::string::npos) << ui.m_messages[0].text;
    }
    EXPECT_EQ(Text("MCH.CH3.FreqRx"), "146.50500");
}

TEST_F(CsvCommandsTest, ExportWritesTheChannelsAndChangesNothing) {
    EXPECT_FALSE(commands.Export());
    EXPECT_TRUE(ui.m_messages.empty());
    std::ifstream in(CsvPath());
    std::string header;
    std::getline(in, header);
    EXPECT_EQ(header.rfind("Location,Name,Frequency,Duplex,Offset,Tone", 0), 0u);
    EXPECT_FALSE(document.IsModified());
}

TEST_F(CsvCommandsTest, CancelledOrUnreadableFilesChangeNothing) {
    commands.SetImportPrompt([] { return std::string(); });
    EXPECT_FALSE(commands.Import());
    EXPECT_TRUE(ui.m_messages.empty());

    commands.SetImportPrompt([] { return std::string("/nonexistent/list.csv"); });
    EXPECT_FALSE(commands.Import());
    ASSERT_EQ(ui.m_messages.size(), 1u);
    EXPECT_EQ(ui.m_messages[0].style, MessageStyle::Ok | MessageStyle::IconError);
}

}  // namespace
