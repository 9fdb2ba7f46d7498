#include "model/RuntimeClass.h"

#include <gtest/gtest.h>

#include "model/BitNode.h"
#include "model/CloneManagerObject.h"
#include "model/Object.h"
#include "model/StringNode.h"
#include "model/Z5EepromDataManager.h"
#include "model/Z5FreqNode.h"
#include "model/Z5RadioDataManager.h"

namespace {

// Referencing the records links their classes in.
const CRuntimeClass* const kModelClasses[] = {
    &CZ5EepromDataManager::kRuntimeClass, &CZ5RadioDataManager::kRuntimeClass,
    &CBitNode::kRuntimeClass, &CZ5FreqNode::kRuntimeClass, &CStringNode::kRuntimeClass};

TEST(RuntimeClass, ObjectsAreCreatedByNameWithTheirOwnRecord) {
    for (const char* name :
         {"CObject", "CCloneManagerObject", "CEepromDataManager", "CZ5EepromDataManager",
          "CRadioDataManager", "CZ5RadioDataManager", "CNodeBase", "CNode", "CNumNode", "CBitNode",
          "CFreqNode", "CZ5FreqNode", "CStringNode"}) {
        const std::unique_ptr<CObject> object = CRuntimeClass::CreateObject(name);
        ASSERT_NE(object, nullptr) << name;
        EXPECT_STREQ(object->GetRuntimeClass().GetClassName(), name);
    }
    EXPECT_EQ(CRuntimeClass::CreateObject("cnode"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CNoSuchClass"), nullptr);
}

TEST(RuntimeClass, RecordsFollowTheClassTree) {
    CBitNode bit;
    EXPECT_TRUE(bit.IsKindOf(CNumNode::kRuntimeClass));
    EXPECT_TRUE(bit.IsKindOf(CNode::kRuntimeClass));
    EXPECT_TRUE(bit.IsKindOf(CObject::kRuntimeClass));
    EXPECT_FALSE(bit.IsKindOf(CFreqNode::kRuntimeClass));
    CZ5EepromDataManager image;
    EXPECT_TRUE(image.IsKindOf(CCloneManagerObject::kRuntimeClass));
    for (const CRuntimeClass* record : kModelClasses) {
        EXPECT_TRUE(record->IsDerivedFrom(CObject::kRuntimeClass)) << record->GetClassName();
    }
}

TEST(RuntimeClass, CreateObjectAsRefusesOtherClasses) {
    EXPECT_NE(CreateObjectAs<CCloneManagerObject>(CZ5RadioDataManager::kRuntimeClass), nullptr);
    EXPECT_EQ(CreateObjectAs<CNode>(CZ5RadioDataManager::kRuntimeClass), nullptr);
    const CRuntimeClass abstractRecord("CAbstractForTest", &CObject::kRuntimeClass, nullptr);
    EXPECT_FALSE(abstractRecord.CanCreate());
    EXPECT_EQ(abstractRecord.CreateObject(), nullptr);
    EXPECT_EQ(CreateObjectAs<CObject>(abstractRecord), nullptr);
}

}  // namespace
