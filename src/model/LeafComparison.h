// The comparison of two data trees leaf by leaf, as the user sees them: every
// leaf's dotted path (MCH.CH12.FreqRx) and display text, and the leaves whose
// texts differ. The command-line diff, the Compare With... window and the
// check after a write all use it, so they always agree. A leaf of one tree
// can take the value of the same leaf of another (TakeLeaf).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CNode;

namespace LeafComparison {

// Calls visit with the dotted path and node of every leaf (a node without
// children) below root, in tree order.
void ForEachLeaf(CNode& root, const std::function<void(const std::string&, CNode&)>& visit);
// The same below node, whose own path is path: node itself when it is a leaf.
void ForEachLeafBelow(CNode& node, const std::string& path,
                      const std::function<void(const std::string&, CNode&)>& visit);

// Path and text of every leaf below root, in tree order (areas in the root's
// order, channels and memories by index, leaves as the memory map made them).
using LeafTexts = std::vector<std::pair<std::string, std::string>>;
LeafTexts TextsOf(CNode& root);

// A leaf whose text differs; a side without the leaf has no text.
struct SDifference {
    std::string path;
    std::optional<std::string> first;
    std::optional<std::string> second;
};

// The differences in the order of first, then the leaves only second has, in
// its order.
std::vector<SDifference> Compare(const LeafTexts& first, const LeafTexts& second);

// Gives target the value of source, the same leaf of another tree: a text
// leaf its text, any other leaf its value (so a frequency is not rounded
// through its text). True when target's text changed.
bool TakeLeaf(const CNode& source, CNode& target);

// The area of a path: "MCH" of "MCH.CH12.FreqRx".
std::string AreaOf(const std::string& path);

}  // namespace LeafComparison
