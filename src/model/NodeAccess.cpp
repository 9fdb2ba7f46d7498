#include "model/NodeAccess.h"

#include "model/FreqNode.h"
#include "model/Node.h"
#include "model/StringNode.h"

namespace {

CNode* ChildOf(const CNode* parent, std::string_view child) {
    return parent != nullptr ? parent->GetChild(child) : nullptr;
}

template <class Leaf>
Leaf* LeafOf(const CNode* parent, std::string_view child) {
    return dynamic_cast<Leaf*>(ChildOf(parent, child));
}

}  // namespace

bool SetNodeValue(CNode* parent, std::string_view child, std::int32_t value) {
    CNode* node = ChildOf(parent, child);
    if (node == nullptr) {
        return false;
    }
    node->SetValue(value);
    return true;
}

bool SetNodeText(CNode* parent, std::string_view child, std::string_view text) {
    CNode* node = ChildOf(parent, child);
    return node != nullptr && node->SetText(text);
}

std::int32_t GetNodeValue(const CNode* parent, std::string_view child) {
    const CNode* node = ChildOf(parent, child);
    return node != nullptr ? node->GetValue() : 0;
}

std::string GetNodeText(const CNode* parent, std::string_view child) {
    const CNode* node = ChildOf(parent, child);
    return node != nullptr ? node->GetText() : std::string();
}

bool SetNodeString(CNode* parent, std::string_view child, std::string_view text) {
    CStringNode* leaf = LeafOf<CStringNode>(parent, child);
    return leaf != nullptr && leaf->SetString(text) == 0;
}

std::string GetNodeString(const CNode* parent, std::string_view child) {
    const CStringNode* leaf = LeafOf<CStringNode>(parent, child);
    return leaf != nullptr ? leaf->GetString() : std::string();
}

bool SetNodeFreq(CNode* parent, std::string_view child, std::string_view text) {
    CFreqNode* leaf = LeafOf<CFreqNode>(parent, child);
    return leaf != nullptr && leaf->SetText(text);
}

std::string GetNodeFreq(const CNode* parent, std::string_view child) {
    const CFreqNode* leaf = LeafOf<CFreqNode>(parent, child);
    return leaf != nullptr ? leaf->GetText() : std::string();
}
