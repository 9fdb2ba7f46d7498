// Helpers of the GUI tests: answering the modal windows a command opens,
// waiting for events, and screenshots into the build folder.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <ostream>
#include <string>

// QStrings in test failures as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace guitest {

// Runs answer on the next modal window as soon as it opens (polling the
// event loop), e.g. to press one of its buttons. answer gets the window.
void AnswerNextModal(std::function<void(QWidget*)> answer);

// Presses the button with the given object name ("1" OK, "2" Cancel) or,
// for a message box, the standard button with that text ("&Yes", "OK").
void PressButton(QWidget* window, const QString& nameOrText);

// Lets pending events run for about milliseconds.
void ProcessEvents(int milliseconds = 20);

// Saves a picture of widget as <build>/screenshots/<name>.png; returns the
// path ("" when it could not be written).
std::string SaveScreenshot(QWidget* widget, const std::string& name);

// The text of a message box window, "" for another window.
QString MessageText(QWidget* window);

// The rows of each dataChanged signal that spy (of a table model) recorded,
// as "first-last".
QStringList RedrawnRows(const QList<QList<QVariant>>& spy);

// Whether the keyboard and pointer of the X server may be used: the test
// runs on X with xdotool and CPZ5_REAL_POINTER=1 says the display is a
// private one (ctest runs such tests so under xvfb-run).
bool HasPrivateDisplay();
// Runs xdotool with arguments on the X server and lets the windows take
// what it sends.
void Xdo(const QStringList& arguments);

}  // namespace guitest
