// CDataCommands: the commands that act on the open data itself, the
// document's place in the command routing: Save, Save As, the COM Port and
// Clone commands (the document's own; disabled while the document has no
// serial transfer) and the model version commands (GEN, SEA, USA, EUR,
// none).
//
// The document is not owned and must outlive this object. After a save the
// saved handler runs (the application updates the title and the recent
// files).
#pragma once

#include <functional>

#include "ui/CommandTarget.h"

class CZ5Doc;

class CDataCommands : public CCommandTarget {
  public:
    CDataCommands(CZ5Doc& document, std::function<void()> saved);

    // The model version of a model version command (0..4), -1 for another
    // command.
    static int VersionOfCommand(int id);

  private:
    void RegisterFileCommands();
    void RegisterTransferCommands();
    void RegisterModelCommands();
    bool HasTransfer() const;
    void ChangeModel(int version);
    int CurrentVersion() const;

    CZ5Doc& m_document;
    std::function<void()> m_saved;
};
