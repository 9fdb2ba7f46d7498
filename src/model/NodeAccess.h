// By-name access to the leaves of the data tree, as views and dialogs use it:
// each function acts on the child of parent that CNode::GetChild finds. A
// value node may be passed as parent (its CNode part is used). A missing
// parent or child is not an error: setters then change nothing and return
// false, getters return 0 or "".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CNode;

// CNode::SetValue of the child (clamped). False when there is no such child.
bool SetNodeValue(CNode* parent, std::string_view child, std::int32_t value);
// CNode::SetText of the child; returns its result.
bool SetNodeText(CNode* parent, std::string_view child, std::string_view text);
std::int32_t GetNodeValue(const CNode* parent, std::string_view child);
std::string GetNodeText(const CNode* parent, std::string_view child);

// For text leaves (CStringNode): SetString and GetString. The setter returns
// whether the leaf accepted the text (it stores it either way); false and ""
// for a child that is not a text leaf.
bool SetNodeString(CNode* parent, std::string_view child, std::string_view text);
std::string GetNodeString(const CNode* parent, std::string_view child);

// For frequency leaves (CFreqNode): sets from a text in megahertz and returns
// whether the frequency lay inside the range before clamping; false for a
// child that is not a frequency leaf. The getter gives "%1.5Lf" megahertz.
bool SetNodeFreq(CNode* parent, std::string_view child, std::string_view text);
std::string GetNodeFreq(const CNode* parent, std::string_view child);
