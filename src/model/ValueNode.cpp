#include "model/ValueNode.h"

CValueNode::CValueNode(std::string_view name, std::int32_t minimum, std::int32_t maximum)
    : CValueList(minimum, maximum) {
    SetName(name);
}

CValueNode& CValueNode::operator=(const CValueNode& source) {
    CopyFrom(source);
    return *this;
}

void CValueNode::CopyContent(const CNode& source) {
    CNode::CopyContent(source);
    if (const CValueList* choices = source.GetValuePart()) {
        MergeChoices(*choices);
    }
}
