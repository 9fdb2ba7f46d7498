// A document from construction to destruction: the settings become the
// model's option byte and go back, the factory image fills a new document,
// the temporary file lives as long as the document.
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "clone/ModelManager.h"
#include "clone/Z5DefaultDataManager.h"
#include "transport/SettingsKeys.h"

namespace {

using namespace SettingsKey;

struct SOptionCase {
    int modelVer, rxexp, scrambler, ani, op0, op1;
    std::uint8_t optionByte;
    const char* version;
    int hasRxexp, hasScrambler, hasAni;
};

TEST_F(CDocumentTest, SettingsBecomeTheOptionByte) {
    const SOptionCase cases[] = {
        {2, 1, 1, 0, 0, 0, 0x0E, "USA", 1, 0, 0}, {0, 0, 1, 0, 1, 1, 0x68, "GEN", 0, 1, 0},
        {1, 0, 0, 1, 0, 1, 0x51, "SEA", 0, 0, 1}, {3, 0, 0, 1, 1, 1, 0x73, "EUR", 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 0x00, "GEN", 0, 0, 0},
    };
    for (const SOptionCase& test : cases) {
        const int values[] = {test.modelVer, test.rxexp, test.scrambler,
                              test.ani,      test.op0,   test.op1};
        const char* names[] = {kModelVer.name, kRxexp.name, kScrambler.name,
                               kAni.name,      kOp0.name,   kOp1.name};
        for (int i = 0; i < 6; ++i) {
            settings.SetInt(kModelSection, names[i], values[i]);
        }
        CZ5Doc document(settings, ui);
        const CModelInfo& info = document.GetCloneManager().GetModelManager()->GetModelInfo();
        EXPECT_EQ(info.GetOptionByte(), test.optionByte);
        EXPECT_EQ(info.GetDataByte(16), test.optionByte);
        EXPECT_EQ(info.GetName(), test.version);
        EXPECT_EQ(document.HasModelOption("DETOP_RXEXP"), test.hasRxexp) << int(test.optionByte);
        EXPECT_EQ(document.HasModelOption("DETOP_SCRM"), test.hasScrambler) << int(test.optionByte);
        EXPECT_EQ(document.HasModelOption("DETOP_ANI"), test.hasAni) << int(test.optionByte);
        EXPECT_EQ(document.HasModelOption("DETOP_ani"), -1);
    }
}

TEST_F(CDocumentTest, ANewDocumentHoldsTheFactoryImageOfItsVersion) {
    for (int version = 0; version <= 3; ++version) {
        settings.SetInt(kModelSection, kModelVer.name, version);
        CZ5Doc document(settings, ui);
        const auto& factory = CZ5DefaultDataManager::FactoryImage(version);
        EXPECT_EQ(ImageOf(document), std::vector<std::uint8_t>(factory.begin(), factory.end()));
        EXPECT_FALSE(document.IsModified());
        EXPECT_EQ(document.GetPathName(), "");
    }
    settings.SetInt(kModelSection, kModelVer.name, 2);
    CZ5Doc usa(settings, ui);
    EXPECT_EQ(RootOf(usa).FindPath("MCH.CH42.FreqRx")->GetText(), "146.01000");
    EXPECT_EQ(RootOf(usa).FindPath("MCH.CH42.FreqOw")->GetText(), "0.60000");
}

TEST_F(CDocumentTest, DestructionWritesTheOptionFlagsButNotTheVersion) {
    settings.SetInt(kModelSection, kRxexp.name, 5);
    {
        CZ5Doc document(settings, ui);
        document.GetCloneManager().GetModelManager()->GetModelInfo().SetDataByte(16, 0x6B);
    }
    EXPECT_FALSE(settings.Contains(kModelSection, kModelVer.name));
    const std::pair<const char*, int> expected[] = {
        {kRxexp.name, 0}, {kScrambler.name, 1}, {kAni.name, 0}, {kOp0.name, 1}, {kOp1.name, 1}};
    for (const auto& [name, value] : expected) {
        EXPECT_EQ(settings.GetInt(kModelSection, name, -1), value) << name;
    }

    settings.SetInt(kModelSection, kModelVer.name, 3);
    { CZ5Doc document(settings, ui); }
    EXPECT_EQ(settings.GetInt(kModelSection, kModelVer.name, -1), 3);
}

TEST_F(CDocumentTest, TheTemporaryFileLivesWithTheDocument) {
    {
        CZ5Doc document(settings, ui);
        EXPECT_EQ(FilesStartingWith("~CP").size(), 1u);
    }
    EXPECT_TRUE(FilesStartingWith("~CP").empty());
}

TEST_F(CDocumentTest, PathsResolveInTheLivingDocumentsTree) {
    {
        CZ5Doc document(settings, ui);
        EXPECT_EQ(CNode::ResolvePath("Common.Beep"), RootOf(document).FindPath("Common.Beep"));
        EXPECT_NE(CNode::ResolvePath("PGR.C6.Code"), nullptr);
    }
    EXPECT_EQ(CNode::ResolvePath("Common.Beep"), nullptr);
}

TEST_F(CDocumentTest, ModifiedIsTheDocumentsFlagOrAnyModifiedNode) {
    CZ5Doc document(settings, ui);
    EXPECT_FALSE(document.IsModified());
    document.SetModifiedFlag(true);
    EXPECT_TRUE(document.IsModified());
    document.SetModifiedFlag(false);
    RootOf(document).FindPath("DTMF.D2")->MarkModified();
    EXPECT_TRUE(document.IsModified());
}

TEST_F(CDocumentTest, ModelChangesReachTheInstalledHandlers) {
    CZ5Doc document(settings, ui);
    int changed = 0;
    int reset = 0;
    document.OnModelChanged();  // nothing installed: nothing happens
    document.SetModelChangedHandler([&] { ++changed; });
    document.SetModelResetHandler([&] { ++reset; });
    document.SetModifiedFlag(true);
    ui.QueueAnswer(IDYES);
    EXPECT_EQ(document.GetCloneManager().GetModelManager()->ChangeModel(1, true), 1);
    document.OnModelChanged();
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(reset, 1);
    EXPECT_FALSE(document.IsModified());
}

TEST(CommandBusyFlag, OneCommandAtATime) {
    ASSERT_TRUE(CCloneSupportDoc::TryEnterCommand());
    EXPECT_FALSE(CCloneSupportDoc::TryEnterCommand());
    CCloneSupportDoc::LeaveCommand();
    EXPECT_TRUE(CCloneSupportDoc::TryEnterCommand());
    CCloneSupportDoc::LeaveCommand();
}

}  // namespace
