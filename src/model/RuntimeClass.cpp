#include "model/RuntimeClass.h"

#include <vector>

#include "model/Object.h"

namespace {

// Built on first use so that records in any object file may register during
// static initialisation, whatever the order of the files.
std::vector<const CRuntimeClass*>& Registry() {
    static std::vector<const CRuntimeClass*> records;
    return records;
}

}  // namespace

CRuntimeClass::CRuntimeClass(const char* className, const CRuntimeClass* base, Factory factory)
    : class_name_(className), base_(base), factory_(factory) {
    Registry().push_back(this);
}

CRuntimeClass::~CRuntimeClass() {
    std::erase(Registry(), this);
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass& base) const {
    for (const CRuntimeClass* record = this; record != nullptr; record = record->base_) {
        if (record == &base) {
            return true;
        }
    }
    return false;
}

std::unique_ptr<CObject> CRuntimeClass::CreateObject() const {
    if (factory_ == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<CObject>(factory_());
}

const CRuntimeClass* CRuntimeClass::FromName(std::string_view name) {
    for (const CRuntimeClass* record : Registry()) {
        if (name == record->class_name_) {
            return record;
        }
    }
    return nullptr;
}

std::unique_ptr<CObject> CRuntimeClass::CreateObject(std::string_view name) {
    const CRuntimeClass* record = FromName(name);
    return record != nullptr ? record->CreateObject() : nullptr;
}
