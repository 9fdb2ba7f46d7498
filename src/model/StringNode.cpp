#include "model/StringNode.h"

CPZ5_IMPLEMENT_CLASS(CStringNode, CNode)

namespace {

constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

}  // namespace

CStringNode::CStringNode() {
    SetName("StringNode");
}

bool CStringNode::SetText(std::string_view text) {
    return SetString(text) == 0;
}

int CStringNode::SetString(std::string_view text) {
    const int verdict = ValidateString(text);
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    const std::string_view kept = last == std::string_view::npos ? "" : text.substr(0, last + 1);
    // Only a change is stored (see CValue::SetValue).
    if (text_ != kept) {
        text_.assign(kept);
    }
    return verdict;
}

int CStringNode::ValidateString(std::string_view) const {
    return 0;
}

void CStringNode::CopyContent(const CNode& source) {
    CNode::CopyContent(source);
    SetString(source.GetText());
}
