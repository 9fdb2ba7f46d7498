#include "platform/WaitCursor.h"

#include "platform/UserInterface.h"

CWaitCursor::CWaitCursor(CUserInterface* ui) : m_ui(ui) {
    if (m_ui != nullptr) {
        m_ui->BeginWaitCursor();
    }
}

CWaitCursor::~CWaitCursor() {
    if (m_ui != nullptr) {
        m_ui->EndWaitCursor();
    }
}
