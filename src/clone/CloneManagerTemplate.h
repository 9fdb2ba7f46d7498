// CCloneManagerTemplate: the seven component slots of a radio model's clone
// manager and their ownership.
//
// Each slot owns at most one component; SetComponent replaces (and deletes)
// what a slot held. The destructor deletes the components in slot order. The
// document is not owned: it outlives the manager or clears the reference.
// Every slot may be empty; the typed accessors then give nullptr, as they do
// for a component of another class than the slot expects.
#pragma once

#include <array>
#include <cstddef>
#include <memory>

#include "model/CloneManagerObject.h"
#include "model/Object.h"

class CAdjustDataManager;
class CCloneDocument;
class CCloneFileIoManager;
class CDefaultDataManager;
class CEepromDataManager;
class CModelManager;
class CRadioDataManager;

// The slots, in the order in which components are linked and deleted.
enum class EComponent : std::size_t {
    MemoryImage,     // CEepromDataManager
    DefaultData,     // CDefaultDataManager
    Adjust,          // CAdjustDataManager
    RadioData,       // CRadioDataManager: the memory map and node tree
    ModelManager,    // CModelManager
    SerialTransfer,  // the serial transfer
    CloneFile,       // CCloneFileIoManager
};

class CCloneManagerTemplate : public CObject {
    CPZ5_DECLARE_CLASS(CCloneManagerTemplate)
  public:
    static constexpr std::size_t kComponentCount = 7;

    CCloneManagerTemplate();
    ~CCloneManagerTemplate() override;

    CCloneManagerTemplate(const CCloneManagerTemplate&) = delete;
    CCloneManagerTemplate& operator=(const CCloneManagerTemplate&) = delete;

    // Takes ownership of component (nullptr empties the slot).
    void SetComponent(EComponent slot, std::unique_ptr<CCloneManagerObject> component);
    CCloneManagerObject* GetComponent(EComponent slot) const;

    CEepromDataManager* GetMemoryImage() const;
    CDefaultDataManager* GetDefaultData() const;
    CAdjustDataManager* GetAdjustData() const;
    CRadioDataManager* GetRadioData() const;
    CModelManager* GetModelManager() const;
    CCloneManagerObject* GetSerialTransfer() const;
    CCloneFileIoManager* GetCloneFileIo() const;

    CCloneDocument* GetDocument() const { return m_document; }
    void SetDocument(CCloneDocument* document) { m_document = document; }

  private:
    template <class T>
    T* GetComponentAs(EComponent slot) const {
        return dynamic_cast<T*>(GetComponent(slot));
    }

    std::array<std::unique_ptr<CCloneManagerObject>, kComponentCount> m_components;
    CCloneDocument* m_document = nullptr;
};
