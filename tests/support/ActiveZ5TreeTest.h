// A fixture whose tests find a QM-Z5 data tree, every channel cleared, as
// the active root of node paths.
#pragma once

#include <gtest/gtest.h>

#include "model/Node.h"
#include "model/Z5RadioDataManager.h"

class CActiveZ5TreeTest : public testing::Test {
  protected:
    void SetUp() override {
        map.Initialize();
        CNode::SetActiveRoot(map.GetRoot());
    }
    void TearDown() override { CNode::SetActiveRoot(nullptr); }

    CZ5RadioDataManager map;
};
