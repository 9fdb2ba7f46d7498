#include "model/NumNode.h"

CPZ5_IMPLEMENT_CLASS(CNumNode, CNode)

bool CNumNode::SetText(std::string_view text) {
    const std::optional<std::int32_t> value = ValueOf(text);
    if (!value) {
        return false;
    }
    SetValue(*value);
    return true;
}
