// The clone manager, its model information and the model check.
#include <gtest/gtest.h>

#include "CloneTestSupport.h"
#include "clone/ModelCheck.h"
#include "clone/Z5DefaultDataManager.h"
#include "clone/Z5ModelInfo.h"
#include "clone/Z5ModelManager.h"
#include "model/Z5EepromDataManager.h"
#include "transport/SettingsKeys.h"

namespace {

TEST(ModelInfo, VersionsAreClampedAndNamed) {
    CZ5ModelInfo info;
    EXPECT_EQ(info.GetValue(), 4);
    EXPECT_EQ(info.GetName(), "");
    EXPECT_EQ(info.GetModelCode(), 0x2468u);
    EXPECT_EQ(info.GetRevision(), 1u);
    EXPECT_EQ(info.GetDataLength(), 22u);
    struct {
        int set;
        int value;
        const char* name;
    } const cases[] = {{3, 3, "EUR"}, {7, 4, ""}, {-2, 0, "GEN"}, {1, 1, "SEA"}};
    for (const auto& test : cases) {
        info.SetValue(test.set);
        EXPECT_EQ(info.GetValue(), test.value) << test.set;
        EXPECT_EQ(info.GetName(), test.name) << test.set;
    }
}

TEST(ModelInfo, TheOptionByteSetsTheVersion) {
    CZ5ModelInfo info;
    info.SetDataByte(16, 0x0E);
    info.UpdateFromData();
    EXPECT_EQ(info.GetOptionByte(), 0x0E);
    EXPECT_EQ(info.GetName(), "USA");

    CModelInfo plain;
    plain.SetDataByte(16, 0x0E);  // outside its one byte: ignored
    plain.UpdateFromData();
    EXPECT_EQ(plain.GetDataByte(16), 0);
    EXPECT_EQ(plain.GetValue(), 0);
}

TEST(ModelInfo, DataAndIdentityTextStayInsideTheirCapacity) {
    CZ5ModelInfo info;
    const std::vector<std::uint8_t> bytes = RandomBytes(30, 3);
    EXPECT_FALSE(info.SetData(bytes.data(), 23));
    EXPECT_TRUE(info.SetText(reinterpret_cast<const std::uint8_t*>("QM-Z5 identity.."), 16));
    EXPECT_FALSE(info.SetText(bytes.data(), 17));
    EXPECT_EQ(info.GetText(), "QM-Z5 identity..");
    EXPECT_TRUE(info.SetData(bytes.data(), 10));
    EXPECT_EQ(info.GetDataCapacity(), 10u);
    EXPECT_EQ(info.GetText(), std::string(bytes.begin(), bytes.begin() + 10));
    EXPECT_EQ(info.GetDataByte(16), 0);
}

TEST(CloneManager, ComponentsAreCreatedByRecordAndLinked) {
    CZ5CloneManager manager;
    std::unique_ptr<CCloneManagerObject> image =
        manager.CreateComponent(CZ5EepromDataManager::kRuntimeClass);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetOwner(), &manager);
    EXPECT_EQ(dynamic_cast<CEepromDataManager&>(*image).GetSize(), 0x7A0u);  // initialised
    EXPECT_EQ(manager.CreateComponent(CObject::kRuntimeClass), nullptr);     // no component

    CZ5CloneRig rig(3);
    for (std::size_t slot = 0; slot < CCloneManagerTemplate::kComponentCount; ++slot) {
        CCloneManagerObject* component = rig.manager.GetComponent(static_cast<EComponent>(slot));
        ASSERT_NE(component, nullptr) << slot;
        EXPECT_EQ(component->GetOwner(), &rig.manager) << slot;
    }
    const auto& eur = CZ5DefaultDataManager::FactoryImage(3);
    EXPECT_EQ(rig.Bytes(), std::vector<std::uint8_t>(eur.begin(), eur.end()));
    EXPECT_EQ(rig.Leaf("MCH.CH5.FreqRx").GetText(), "145.00000");
}

TEST(CloneManager, EveryOperationToleratesEmptySlots) {
    CZ5CloneManager manager;
    manager.LinkComponents();
    manager.ResetToDefaults();
    manager.StoreNodes();
    manager.LoadNodes();
    EXPECT_EQ(manager.ConfirmWarning(0), IDCANCEL);
    EXPECT_EQ(manager.GetMemoryImage(), nullptr);
    EXPECT_EQ(manager.GetSerialTransfer(), nullptr);
}

TEST(CloneManager, StoreAndLoadMoveValuesBetweenNodesAndImage) {
    CZ5CloneRig rig(0);
    rig.Leaf("Common.Beep").SetText("OFF");
    rig.manager.StoreNodes();
    EXPECT_EQ(rig.Image().GetBit(0x6F0, 7), 0);
    rig.Image().SetBit(0x6F0, 7, 1);
    rig.manager.LoadNodes();
    EXPECT_EQ(rig.Leaf("Common.Beep").GetText(), "ON");
}

TEST(CloneManager, TheWarningIsAskedUntilItIsConfirmed) {
    CFakeCloneDocument document;
    CZ5CloneRig rig(0, &document);
    document.ui.QueueAnswer(IDCANCEL);
    EXPECT_EQ(rig.manager.ConfirmWarning(MessageStyle::YesNo), IDCANCEL);
    document.ui.QueueAnswer(IDOK);
    EXPECT_EQ(rig.manager.ConfirmWarning(MessageStyle::YesNo), IDOK);
    EXPECT_EQ(rig.manager.ConfirmWarning(MessageStyle::YesNo), 2);
    ASSERT_EQ(document.ui.m_messages.size(), 2u);
    EXPECT_EQ(document.ui.m_messages[0].style,
              MessageStyle::OkCancel | MessageStyle::IconExclamation);

    rig.manager.GetModelManager()->Initialize();
    document.ui.QueueAnswer(IDOK);
    EXPECT_EQ(rig.manager.ConfirmWarning(0), IDOK);
    EXPECT_EQ(document.ui.m_messages.size(), 3u);
}

TEST(CloneManager, ChangingTheModelAsksAndResetsTheData) {
    CFakeCloneDocument document;
    CZ5CloneRig rig(0, &document);
    CModelManager& models = *rig.manager.GetModelManager();
    rig.Leaf("MCH.CH0.FreqRx").SetText("145.50000");
    rig.manager.StoreNodes();

    document.ui.QueueAnswer(IDNO);
    EXPECT_EQ(models.ChangeModel(2, true), 0);
    EXPECT_EQ(models.GetVersion(), 0);
    EXPECT_TRUE(document.modified);
    EXPECT_EQ(rig.Leaf("MCH.CH0.FreqRx").GetText(), "145.50000");
    EXPECT_EQ(document.ui.m_messages.at(0).text,
              "Change model \n\nAll data will be lost.\n\n      OK? \n");

    document.ui.QueueAnswer(IDYES);
    EXPECT_EQ(models.ChangeModel(2, true), 1);
    EXPECT_EQ(models.GetVersion(), 2);
    EXPECT_FALSE(document.modified);
    EXPECT_EQ(document.modelResets, 1);
    EXPECT_EQ(rig.Leaf("MCH.CH0.FreqRx").GetText(), "146.01000");

    EXPECT_EQ(models.ChangeModel(9, false), 1);  // clamped to 4, "no version"
    EXPECT_EQ(models.GetVersion(), 4);
    EXPECT_EQ(rig.Leaf("MCH.CH0.FreqRx").GetText(), "145.00000");
}

struct SCheckCase {
    const char* name;
    std::uint32_t radioModel;
    std::uint32_t documentRevision;
    std::uint32_t radioRevision;
    int radioVersion;
    int setup;
    ECloneResult withVersion;
    ECloneResult withoutVersion;
};

TEST(ModelCheck, RadioAndDocumentMustAgree) {
    constexpr ECloneResult kMatch = ECloneResult::Success;
    constexpr ECloneResult kModel = ECloneResult::WrongModel;
    constexpr ECloneResult kVersion = ECloneResult::WrongVersion;
    const SCheckCase cases[] = {
        {"same radio", 0x2468, 1, 1, 2, 1, kMatch, kMatch},
        {"other model", 0x2469, 1, 1, 2, 1, kModel, kModel},
        {"other revision", 0x2468, 1, 2, 2, 1, kModel, kModel},
        {"any revision expected", 0x2468, 0, 7, 2, 1, kMatch, kMatch},
        {"other version", 0x2468, 1, 1, 3, 1, kVersion, kMatch},
        {"never set up", 0x2468, 1, 1, 2, 0, kVersion, kMatch},
    };
    for (const SCheckCase& test : cases) {
        CZ5ModelInfo document;
        CZ5ModelInfo radio;
        document.SetValue(2);
        document.SetRevision(test.documentRevision);
        radio.SetModelCode(test.radioModel);
        radio.SetRevision(test.radioRevision);
        radio.SetValue(test.radioVersion);
        CMemorySettingsStore settings;
        settings.SetInt(SettingsKey::kModelSection, SettingsKey::kSetup.name, test.setup);
        EXPECT_EQ(CModelCheck::CheckWithVersion(document, radio, settings), test.withVersion)
            << test.name;
        EXPECT_EQ(CModelCheck::Check(document, radio), test.withoutVersion) << test.name;
    }
}

}  // namespace
