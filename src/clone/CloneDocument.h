// CCloneDocument: the document as the clone manager and its components see
// it. The document that owns a clone manager implements it and hands itself
// to the manager (SetDocument); components reach it through their owner and
// must tolerate its absence (no document: nothing is asked or shown).
//
// Everything the clone layer shows or asks goes through UserInterface(); the
// per-user settings come from Settings(). Both live as long as the document.
#pragma once

#include <span>

#include "clone/MemoryRange.h"

class CSettingsStore;
class CUserInterface;

class CCloneDocument {
  public:
    // The title of the program's message boxes.
    static constexpr const char* kMessageTitle = "CP-Z5";

    virtual ~CCloneDocument() = default;

    virtual CUserInterface& UserInterface() = 0;
    virtual CSettingsStore& Settings() = 0;

    // Whether the data differs from what was last opened, saved or read.
    virtual bool IsModified() = 0;
    virtual void SetModifiedFlag(bool modified) = 0;

    // The image ranges that clone files hold.
    virtual std::span<const SMemoryRange> GetMemoryRange() const = 0;

    // The model information changed (a clone read, the Information command):
    // the views rebuild what depends on the model's options.
    virtual void OnModelChanged() = 0;
    // The model version was changed and the data reset: the views show the
    // new data as after New.
    virtual void OnModelReset() = 0;
};
