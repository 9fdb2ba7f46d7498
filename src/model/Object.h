// Root of the framework's class tree: every clone manager component and every
// data node is a CObject and carries a run-time class record.
#pragma once

#include <memory>

#include "model/RuntimeClass.h"

class CObject {
  public:
    // The root's record; its factory creates a plain CObject.
    static const CRuntimeClass kRuntimeClass;

    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
    virtual ~CObject() = default;

    // The record of the object's most derived class.
    virtual const CRuntimeClass& GetRuntimeClass() const;

    // Serialization hook; objects of this program do not serialize and the
    // base does nothing.
    virtual void Serialize() {}

    // True when the object's class is record or derives from it.
    bool IsKindOf(const CRuntimeClass& record) const;
};

// A new object of the record's class as a T, owned by the caller; nullptr when
// the class cannot be created or is not a T (the object is then deleted).
template <class T>
std::unique_ptr<T> CreateObjectAs(const CRuntimeClass& record) {
    std::unique_ptr<CObject> object = record.CreateObject();
    T* typed = dynamic_cast<T*>(object.get());
    if (typed == nullptr) {
        return nullptr;
    }
    object.release();
    return std::unique_ptr<T>(typed);
}
