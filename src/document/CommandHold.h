// CCommandHold: the command busy flag held for a scope: taken at
// construction when it was free (Held), released at the end only when taken.
#pragma once

#include "document/CloneSupportDoc.h"

class CCommandHold {
  public:
    CCommandHold() : m_held(CCloneSupportDoc::TryEnterCommand()) {}
    ~CCommandHold() {
        if (m_held) {
            CCloneSupportDoc::LeaveCommand();
        }
    }
    CCommandHold(const CCommandHold&) = delete;
    CCommandHold& operator=(const CCommandHold&) = delete;

    bool Held() const { return m_held; }

  private:
    const bool m_held;
};
