// The grids follow the document: whoever changes nodes tells the document,
// and every grid draws the rows of the changed channels again, without
// anyone calling a grid.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "GuiTestSupport.h"
#include "app/Z5ListFrame.h"
#include "app/Z5MainFrame.h"
#include "clone/CloneManager.h"
#include "clone/ModelManager.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TempFile.h"
#include "support/ScriptedUserInterface.h"
#include "ui/CommandIds.h"
#include "ui/Z5ChListSheet.h"

namespace {

// The model options of the document, as the program answers them.
class CDocumentOptions : public CModelOptions {
  public:
    explicit CDocumentOptions(CZ5Doc& document) : m_document(document) {}
    int HasModelOption(const std::string& name) const override {
        return m_document.HasModelOption(name);
    }
    int GetModelVersion() const override {
        return m_document.GetCloneManager().GetModelManager()->GetVersion();
    }

  private:
    CZ5Doc& m_document;
};

class GridFollowsDocumentTest : public testing::Test {
  protected:
    GridFollowsDocumentTest() {
        settings.SetInt("Model", "ModelVer", 2);  // 144 to 148 MHz
        frame.SetModifiedHandler([this] { document.SetModifiedFlag(true); });
        frame.SetNodeChanges(&document.NodeChanges());
        frame.ShowArea(kAreaMemory);
        frame.resize(900, 400);
        frame.show();
    }
    ~GridFollowsDocumentTest() override { frame.SetNodeChanges(nullptr); }

    CZ5ChListSheet& Sheet(int area) const { return *frame.ListFrame()->Sheet(area); }

    static void Program(const char* path, const char* frequency, const char* name) {
        CNode* channel = CNode::ResolvePath(path);
        SetNodeText(channel, "Clear", "OFF");
        SetNodeFreq(channel, "FreqRx", frequency);
        SetNodeText(channel, "Name", name);
    }

    CMemorySettingsStore settings;
    CScriptedUserInterface ui;
    CZ5Doc document{settings, ui};
    CDocumentOptions options{document};
    CZ5MainFrame frame{settings, options};
};

TEST_F(GridFollowsDocumentTest, ChannelsChangedThroughTheDocumentAreDrawnAgain) {
    QSignalSpy memory(Sheet(kAreaMemory).model(), &QAbstractItemModel::dataChanged);
    QSignalSpy edges(Sheet(kAreaScanEdge).model(), &QAbstractItemModel::dataChanged);
    Program("MCH.CH5", "145.5", "HOME");
    Program("MCH.CH6", "149.0", "FAR");
    document.AnnounceChange(SNodeChange::Channels(kAreaMemory, 5, 6));

    EXPECT_EQ(guitest::RedrawnRows(memory), QStringList({"5-6"}));
    EXPECT_TRUE(edges.isEmpty()) << "the scan edges did not change";
    EXPECT_EQ(Sheet(kAreaMemory).GetCellText(5, 1), "145.50000");
    EXPECT_EQ(Sheet(kAreaMemory).GetCellText(6, 1), "149.00000(!)");
    EXPECT_EQ(Sheet(kAreaMemory).GetCellText(6, 5), "FAR");
    EXPECT_TRUE(document.IsModified());
    EXPECT_FALSE(guitest::SaveScreenshot(&frame, "grid_follows_document").empty());
}

TEST_F(GridFollowsDocumentTest, AnOpenedFileIsDrawnWholeAndTheSelectionStays) {
    CTempFile file{"grid"};
    Program("MCH.CH2", "146.52", "SAVED");
    ASSERT_TRUE(document.SaveFile(file.Path()).ok);
    Program("MCH.CH2", "145.0", "LATER");
    Sheet(kAreaMemory).SelectRow(40);
    QSignalSpy memory(Sheet(kAreaMemory).model(), &QAbstractItemModel::dataChanged);

    ASSERT_TRUE(document.OpenFile(file.Path()).ok);
    EXPECT_EQ(guitest::RedrawnRows(memory), QStringList({"0-99"}));
    EXPECT_EQ(Sheet(kAreaMemory).GetCellText(2, 5), "SAVED");
    EXPECT_EQ(Sheet(kAreaMemory).SelectedRow(), 40);
    EXPECT_FALSE(document.IsModified());
}

// The grid's own edits and a settings window's OK reach the document, and
// through it every listener.
TEST_F(GridFollowsDocumentTest, EditsInTheWindowAreAnnouncedByTheDocument) {
    std::vector<SNodeChange> heard;
    auto listening =
        document.NodeChanges().Subscribe([&](const SNodeChange& c) { heard.push_back(c); });
    Program("MCH.CH3", "145.0", "GONE");
    frame.ShownList()->SelectRow(3);
    EXPECT_TRUE(frame.RunCommand(Cmd::EditClear));
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_TRUE(heard[0].Touches(kAreaMemory, 3));
    EXPECT_FALSE(heard[0].Touches(kAreaMemory, 4));
    EXPECT_EQ(Sheet(kAreaMemory).GetCellText(3, 5), "");
    EXPECT_TRUE(document.IsModified());

    document.SetModifiedFlag(false);
    EXPECT_TRUE(frame.RunDataDialog([] { return true; }));
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_TRUE(heard[1].everything);
    EXPECT_TRUE(heard[1].edit);
    EXPECT_TRUE(document.IsModified());

    EXPECT_FALSE(frame.RunDataDialog([] { return false; }));
    EXPECT_EQ(heard.size(), 2u) << "Cancel changes nothing";
}

}  // namespace
