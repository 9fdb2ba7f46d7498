// Run-time class records: every framework object (clone manager components,
// data nodes) carries a record with its class name and its base's record, and
// can be created from the record or from the class name.
//
// Declaring a class:
//
//   class CFoo : public CBar {
//       CPZ5_DECLARE_CLASS(CFoo)
//   public:
//       ...
//   };
//
// and in its .cpp file exactly one of
//
//   CPZ5_IMPLEMENT_CLASS(CFoo, CBar)            // creatable: needs a default constructor
//   CPZ5_IMPLEMENT_ABSTRACT_CLASS(CFoo, CBar)   // record only, CreateObject yields nullptr
//
// The record of CFoo is CFoo::kRuntimeClass. A record registers itself by name
// when its object file's static data is initialised; a class whose object file
// the linker drops (nothing else of it is used) is not known by name. A record is
// known while it exists (a class's record: the whole run). Registration is not thread-safe; it
// happens before main() and lookups happen on the one user-interface thread.
#pragma once

#include <memory>
#include <string_view>

class CObject;

class CRuntimeClass {
  public:
    // Factory of a creatable class: a new default-constructed object that the
    // caller owns.
    using Factory = CObject* (*)();

    // Registers the record under className. className must outlive the record
    // (a string literal); base is the base class's record or nullptr for the
    // root; factory is nullptr for a class that cannot be created.
    CRuntimeClass(const char* className, const CRuntimeClass* base, Factory factory);
    // Unregisters the record.
    ~CRuntimeClass();
    CRuntimeClass(const CRuntimeClass&) = delete;
    CRuntimeClass& operator=(const CRuntimeClass&) = delete;

    const char* GetClassName() const { return class_name_; }
    const CRuntimeClass* GetBaseClass() const { return base_; }
    bool CanCreate() const { return factory_ != nullptr; }

    // True when this record is base or derives from it (directly or not).
    bool IsDerivedFrom(const CRuntimeClass& base) const;

    // A new object of this class owned by the caller, or nullptr when the
    // class cannot be created.
    std::unique_ptr<CObject> CreateObject() const;

    // The record registered under name (exact, case-sensitive), or nullptr.
    // When two records share a name the first registered one is found.
    static const CRuntimeClass* FromName(std::string_view name);

    // A new object of the class registered under name, or nullptr when no
    // such class is registered or it cannot be created.
    static std::unique_ptr<CObject> CreateObject(std::string_view name);

  private:
    const char* const class_name_;
    const CRuntimeClass* const base_;
    const Factory factory_;
};

namespace cpz5_detail {
template <class T>
CObject* CreateObjectOf() {
    return new T;
}
}  // namespace cpz5_detail

// Inside the class body; leaves the access at public.
#define CPZ5_DECLARE_CLASS(ClassName)         \
  public:                                     \
    static const CRuntimeClass kRuntimeClass; \
    const CRuntimeClass& GetRuntimeClass() const override;

#define CPZ5_IMPLEMENT_CLASS_WITH(ClassName, BaseName, factory)                                  \
    const CRuntimeClass ClassName::kRuntimeClass(#ClassName, &BaseName::kRuntimeClass, factory); \
    const CRuntimeClass& ClassName::GetRuntimeClass() const {                                    \
        return kRuntimeClass;                                                                    \
    }

#define CPZ5_IMPLEMENT_CLASS(ClassName, BaseName) \
    CPZ5_IMPLEMENT_CLASS_WITH(ClassName, BaseName, &cpz5_detail::CreateObjectOf<ClassName>)

#define CPZ5_IMPLEMENT_ABSTRACT_CLASS(ClassName, BaseName) \
    CPZ5_IMPLEMENT_CLASS_WITH(ClassName, BaseName, nullptr)
