// Leaves of the data tree by dotted path, in tree order: areas in the root's
// order, channels and memories by index, leaves in the order the memory map
// made them. A leaf is a node without children.
#pragma once

#include <functional>
#include <string>
#include <string_view>

class CNode;

// Calls visit with the path and node of every leaf below root.
void ForEachLeaf(CNode& root, const std::function<void(const std::string&, CNode&)>& visit);

// The leaf at path below root, or nullptr when path names no leaf.
CNode* FindLeaf(CNode& root, std::string_view path);
