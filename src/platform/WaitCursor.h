// CWaitCursor: the wait cursor of a user-interface port for as long as the
// object lives. Without a port (nullptr) it does nothing.
#pragma once

class CUserInterface;

class CWaitCursor {
  public:
    explicit CWaitCursor(CUserInterface* ui);
    ~CWaitCursor();

    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

  private:
    CUserInterface* const m_ui;
};
