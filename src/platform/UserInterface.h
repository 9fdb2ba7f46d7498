#pragma once

#include <string>

// Message box styles: one button set combined with at most one icon.
namespace MessageStyle {
constexpr unsigned Ok = 0x00;
constexpr unsigned OkCancel = 0x01;
constexpr unsigned YesNoCancel = 0x03;
constexpr unsigned YesNo = 0x04;
constexpr unsigned ButtonMask = 0x0F;

constexpr unsigned IconNone = 0x00;
constexpr unsigned IconError = 0x10;
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconExclamation = 0x30;
constexpr unsigned IconInformation = 0x40;
constexpr unsigned IconMask = 0xF0;

// With YesNoCancel: the question whether to save changes, whose buttons a
// window system may label Save, Don't Save and Cancel.
constexpr unsigned SaveQuestion = 0x100;
}  // namespace MessageStyle

// The answer of a message box: the button that was pressed.
enum EAnswer : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDYES = 6,
    IDNO = 7,
};

// The audible result of a transfer.
enum class EBeep {
    Success,  // two short high tones
    Failure,  // four long low tones
};

// Everything the core shows to the user or asks of the user goes through this
// port: message boxes, the wait cursor, the status bar, the modeless progress
// window of a transfer, the radio information window and the result beep.
// The desktop program implements it with Qt, the command-line tool with the
// terminal, tests with a scripted fake that records every call.
//
// All calls happen on the one user-interface thread. The caller owns the
// port and keeps it alive as long as any object that was handed it.
class CUserInterface {
  public:
    virtual ~CUserInterface() = default;

    // Shows text in a modal box with the title and the style's buttons and
    // icon; returns the button pressed. A box that cannot be answered (no
    // terminal, no user) answers as Cancel would: IDCANCEL, or IDNO for a
    // Yes/No box, or IDOK for a box with only OK.
    virtual int MessageBox(const std::string& text, const std::string& title, unsigned style) = 0;

    // The wait cursor; calls nest.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // The text of the status bar's message pane.
    virtual void SetStatusText(const std::string& text) = 0;

    // The progress window of a read or write: OpenProgress shows it (the main
    // window is disabled while it exists), SetProgress moves the bar to a
    // percentage 0..100 and lets pending window events run, IsProgressCancelled
    // lets pending events run and answers whether Cancel was pressed since
    // the last query (clearing that mark), CloseProgress removes it.
    virtual void OpenProgress(const std::string& caption) = 0;
    virtual void SetProgress(int percent) = 0;
    virtual bool IsProgressCancelled() = 0;
    virtual void CloseProgress() = 0;

    // The result signal of a transfer, including its closing pause.
    virtual void Beep(EBeep kind) = 0;

    // The modal "Information" window of the radio: the model version name
    // and the radio's identity text (comment), with one OK button.
    virtual void ShowRadioInformation(const std::string& model, const std::string& comment) = 0;
};
