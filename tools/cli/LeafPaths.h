// A leaf of the data tree by its dotted path (the walk over every leaf is
// LeafComparison::ForEachLeaf), and the texts a person types for leaves. A
// leaf is a node without children.
#pragma once

#include <string>
#include <string_view>

class CNode;

// The leaf at path below root, or nullptr when path names no leaf.
CNode* FindLeaf(CNode& root, std::string_view path);

// Sets leaf from text as a person typed it: a frequency leaf takes only a
// frequency in MHz (model/TypedFrequency.h: a point or a comma as the
// decimal mark) inside its range, a choice leaf one of its choice texts, a
// text leaf any text. False, with reason set (words that follow the quoted
// text), when the leaf does not take the text; the leaf may then hold
// another value than before.
bool SetTypedText(CNode& leaf, std::string_view text, std::string& reason);

// Whether the leaf stored (as a saved file gives it back) holds what text
// asked for: the same frequency for a frequency leaf ("146,52" asks for
// 146.52000), the same text for the others, white space at the end aside.
bool HoldsTypedText(const CNode& stored, std::string_view text);
