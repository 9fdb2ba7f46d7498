#include "model/Object.h"

const CRuntimeClass CObject::kRuntimeClass("CObject", nullptr,
                                           &cpz5_detail::CreateObjectOf<CObject>);

const CRuntimeClass& CObject::GetRuntimeClass() const {
    return kRuntimeClass;
}

bool CObject::IsKindOf(const CRuntimeClass& record) const {
    return GetRuntimeClass().IsDerivedFrom(record);
}
