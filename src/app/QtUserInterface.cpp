#include "app/QtUserInterface.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>
#include <array>

#include "clone/CloneDocument.h"
#include "ui/CloneProgressWindow.h"
#include "ui/InformationDlg.h"

namespace {

constexpr const char* kDefaultTitle = CCloneDocument::kMessageTitle;

struct SButtonSet {
    unsigned style;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton escape;  // the answer of Escape and of closing the box
};
constexpr std::array<SButtonSet, 4> kButtonSets = {{
    {MessageStyle::Ok, QMessageBox::Ok, QMessageBox::Ok},
    {MessageStyle::OkCancel, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel},
    {MessageStyle::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
     QMessageBox::Cancel},
    {MessageStyle::YesNo, QMessageBox::Yes | QMessageBox::No, QMessageBox::No},
}};

struct SIcon {
    unsigned style;
    QMessageBox::Icon icon;
};
constexpr std::array<SIcon, 5> kIcons = {{
    {MessageStyle::IconNone, QMessageBox::NoIcon},
    {MessageStyle::IconError, QMessageBox::Critical},
    {MessageStyle::IconQuestion, QMessageBox::Question},
    {MessageStyle::IconExclamation, QMessageBox::Warning},
    {MessageStyle::IconInformation, QMessageBox::Information},
}};

SButtonSet ButtonsOf(unsigned style) {
    for (const SButtonSet& set : kButtonSets) {
        if (set.style == (style & MessageStyle::ButtonMask)) {
            return set;
        }
    }
    return kButtonSets[0];
}

QMessageBox::Icon IconOf(unsigned style) {
    for (const SIcon& icon : kIcons) {
        if (icon.style == (style & MessageStyle::IconMask)) {
            return icon.icon;
        }
    }
    return QMessageBox::NoIcon;
}

// The answer of the button pressed; a box closed another way answers as its
// escape button.
int AnswerOf(int button, QMessageBox::StandardButton escape) {
    switch (button) {
        case QMessageBox::Ok:
            return IDOK;
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        case QMessageBox::Cancel:
            return IDCANCEL;
        default:
            return escape == QMessageBox::Cancel ? IDCANCEL : AnswerOf(escape, QMessageBox::Cancel);
    }
}

// The tones of a result signal: count beeps of a length with a gap between.
struct SBeepPattern {
    int count;
    int toneMs;
    int gapMs;
};
constexpr SBeepPattern kSuccessBeep = {2, 50, 50};
constexpr SBeepPattern kFailureBeep = {4, 400, 100};
constexpr int kBeepClosingPauseMs = 500;

}  // namespace

CQtUserInterface::CQtUserInterface() = default;

CQtUserInterface::~CQtUserInterface() {
    CloseProgress();
    while (m_waitDepth > 0) {
        EndWaitCursor();
    }
}

void CQtUserInterface::SetMainWindow(QMainWindow* window) {
    m_mainWindow = window;
}

int CQtUserInterface::MessageBox(const std::string& text, const std::string& title,
                                 unsigned style) {
    const SButtonSet buttons = ButtonsOf(style);
    QMessageBox box(IconOf(style), QString::fromStdString(title.empty() ? kDefaultTitle : title),
                    QString::fromStdString(text), buttons.buttons, m_mainWindow.data());
    box.setEscapeButton(buttons.escape);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(static_cast<QMessageBox::StandardButton>(
        (buttons.buttons & (QMessageBox::Ok | QMessageBox::Yes)).toInt()));
    if ((style & MessageStyle::SaveQuestion) != 0 && buttons.style == MessageStyle::YesNoCancel) {
        box.button(QMessageBox::Yes)
            ->setText(QCoreApplication::translate("CQtUserInterface", "&Save"));
        box.button(QMessageBox::No)
            ->setText(QCoreApplication::translate("CQtUserInterface", "Do&n't Save"));
    }
    // A box that opens during a wait shows the normal pointer.
    const bool waiting = m_waitDepth > 0;
    if (waiting) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    const int answer = AnswerOf(box.exec(), buttons.escape);
    if (waiting) {
        QApplication::restoreOverrideCursor();
    }
    return answer;
}

void CQtUserInterface::BeginWaitCursor() {
    ++m_waitDepth;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtUserInterface::EndWaitCursor() {
    if (m_waitDepth > 0) {
        --m_waitDepth;
        QApplication::restoreOverrideCursor();
    }
}

void CQtUserInterface::SetStatusText(const std::string& text) {
    if (m_mainWindow != nullptr) {
        m_mainWindow->statusBar()->showMessage(QString::fromStdString(text));
    }
}

// The main window is disabled before the progress window is made, so that
// the new window itself stays usable.
void CQtUserInterface::OpenProgress(const std::string& caption) {
    CloseProgress();
    if (m_mainWindow != nullptr) {
        m_mainWindow->setEnabled(false);
    }
    m_progress = std::make_unique<CCloneProgressWindow>(QString::fromStdString(caption),
                                                        m_mainWindow.data());
    m_progress->show();
    QApplication::processEvents();
}

void CQtUserInterface::SetProgress(int percent) {
    if (m_progress != nullptr) {
        m_progress->SetProgress(percent);
    }
}

bool CQtUserInterface::IsProgressCancelled() {
    return m_progress != nullptr && m_progress->IsCancelled();
}

void CQtUserInterface::CloseProgress() {
    if (m_progress == nullptr) {
        return;
    }
    m_progress.reset();
    if (m_mainWindow != nullptr) {
        m_mainWindow->setEnabled(true);
        m_mainWindow->activateWindow();
    }
}

void CQtUserInterface::Beep(EBeep kind) {
    const SBeepPattern& pattern = kind == EBeep::Success ? kSuccessBeep : kFailureBeep;
    for (int tone = 0; tone < pattern.count; ++tone) {
        QApplication::beep();
        Wait(pattern.toneMs + (tone + 1 < pattern.count ? pattern.gapMs : 0));
    }
    Wait(kBeepClosingPauseMs);
}

void CQtUserInterface::ShowRadioInformation(const std::string& model, const std::string& comment) {
    CInformationDlg dialog(QString::fromStdString(model), QString::fromStdString(comment),
                           m_mainWindow.data());
    dialog.exec();
}

void CQtUserInterface::Wait(int milliseconds) const {
    if (m_beepWaits && milliseconds > 0) {
        QThread::msleep(static_cast<unsigned long>(milliseconds));
    }
}
