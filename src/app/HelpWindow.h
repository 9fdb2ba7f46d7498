// CHelpWindow: the user manual of the program, the file CP-Z5.html beside
// the executable (or in ../share/cpz5 of an installed program), in a window
// of its own that stays open beside the main window. It fits on the screen
// and closes with Escape.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

class CHelpWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* kFileName = "CP-Z5.html";

    explicit CHelpWindow(QWidget* parent = nullptr);
    ~CHelpWindow() override;

    // Loads the manual; false (and the window shows nothing) when the file
    // is missing.
    bool Load();

    // The manual's path, or "" when it cannot be found.
    static QString FindHelpFile();

    QTextBrowser* Browser() const { return m_browser; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FitOnScreen();

    QTextBrowser* m_browser;
};
