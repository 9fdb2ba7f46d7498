// A leaf of the data tree by its dotted path (the walk over every leaf is
// LeafComparison::ForEachLeaf). A leaf is a node without children.
#pragma once

#include <string>
#include <string_view>

class CNode;

// The leaf at path below root, or nullptr when path names no leaf.
CNode* FindLeaf(CNode& root, std::string_view path);
