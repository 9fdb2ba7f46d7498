// CQtUserInterface: the user-interface port of the desktop program. Message
// boxes, the radio information window and the progress window are Qt
// windows over the main window; the wait cursor is the application's
// override cursor; status texts go to the main window's status bar.
//
// The main window is not owned; it may be absent (before it exists, e.g.
// during the first-start setup), then windows have no parent and status
// texts go nowhere. SetMainWindow(nullptr) must be called before the main
// window is destroyed.
#pragma once

#include <QPointer>
#include <memory>

#include "platform/UserInterface.h"

class QMainWindow;
class CCloneProgressWindow;

class CQtUserInterface : public CUserInterface {
  public:
    CQtUserInterface();
    ~CQtUserInterface() override;

    void SetMainWindow(QMainWindow* window);

    // The beep's tones and closing pause take their real time (default);
    // tests switch the waiting off.
    void SetBeepWaits(bool wait) { m_beepWaits = wait; }

    int MessageBox(const std::string& text, const std::string& title, unsigned style) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void SetStatusText(const std::string& text) override;
    void OpenProgress(const std::string& caption) override;
    void SetProgress(int percent) override;
    bool IsProgressCancelled() override;
    void CloseProgress() override;
    void Beep(EBeep kind) override;
    void ShowRadioInformation(const std::string& model, const std::string& comment) override;

    // The open progress window, or nullptr (tests).
    CCloneProgressWindow* ProgressWindow() const { return m_progress.get(); }

  private:
    void Wait(int milliseconds) const;

    QPointer<QMainWindow> m_mainWindow;
    std::unique_ptr<CCloneProgressWindow> m_progress;
    int m_waitDepth = 0;
    bool m_beepWaits = true;
};
