// A built QM-Z5 memory map with its image, the map's root set as the active
// root so that tests can use paths.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "model/Node.h"
#include "model/Z5EepromDataManager.h"
#include "model/Z5RadioDataManager.h"

class Z5MapTest : public ::testing::Test {
  protected:
    Z5MapTest() {
        map.Initialize();
        image.Initialize();
        CNode::SetActiveRoot(map.GetRoot());
    }
    ~Z5MapTest() override { CNode::SetActiveRoot(nullptr); }

    // The node at path; fails the test when it is missing.
    CNode& At(std::string_view path) {
        CNode* node = CNode::ResolvePath(path);
        EXPECT_NE(node, nullptr) << path;
        return node != nullptr ? *node : missing_;
    }
    void Decode() { map.ImageToNodes(map.GetRoot(), image); }
    void Encode() { map.NodesToImage(map.GetRoot(), image); }

    CZ5RadioDataManager map;
    CZ5EepromDataManager image;

  private:
    CNode missing_;
};
