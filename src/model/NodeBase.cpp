#include "model/NodeBase.h"

CPZ5_IMPLEMENT_CLASS(CNodeBase, CObject)

std::int64_t CNodeBase::construction_count_ = 0;

CNodeBase::CNodeBase() {
    ++construction_count_;
}

void CNodeBase::SetData(std::int32_t data) {
    data_ = data;
    MarkModified();
}
