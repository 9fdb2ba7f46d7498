// CListSheetCommand: the command busy flag of a sheet's host held for a
// scope: taken at construction when it was free (Entered), released at the
// end only when taken. The host must outlive the guard.
#pragma once

#include "ui/ListSheetHost.h"

class CListSheetCommand {
  public:
    explicit CListSheetCommand(CListSheetHost& host)
        : m_host(host), m_entered(host.TryEnterCommand()) {}
    ~CListSheetCommand() {
        if (m_entered) {
            m_host.LeaveCommand();
        }
    }
    CListSheetCommand(const CListSheetCommand&) = delete;
    CListSheetCommand& operator=(const CListSheetCommand&) = delete;

    bool Entered() const { return m_entered; }

  private:
    CListSheetHost& m_host;
    const bool m_entered;
};
