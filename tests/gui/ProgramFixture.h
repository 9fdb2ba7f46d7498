// The desktop program started for a test on the offscreen platform: settings
// of its own in which the radio is set up (market version 2), the main
// window shown, message boxes without their beep's wait, and a folder for
// the files a test saves.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>

#include "platform/MemorySettingsStore.h"

class CListSheet;
class CNode;
class QDialog;
class QTimer;
class CZ5App;
class CZ5Doc;
class CZ5MainFrame;

namespace guitest {

class CProgramFixture : public testing::Test {
  protected:
    CProgramFixture();
    ~CProgramFixture() override;
    void SetUp() override;
    void TearDown() override;

    CZ5MainFrame& Frame();
    CZ5Doc& Document();
    // The grid the window shows.
    CListSheet& Grid();
    // Memory channel number of the active document.
    static CNode* Channel(int number);

    // The document saved as name in the test's folder, and the file's bytes.
    std::string SavedBytes(const std::string& name);
    // The menu text and the enable state of command id, brought up to date.
    QString ActionText(int id);
    bool IsEnabled(int id);

    QTemporaryDir dir;
    CMemorySettingsStore settings;
    std::unique_ptr<CZ5App> program;
};

// The program's window on an X display whose keyboard and pointer the test
// drives (HasPrivateDisplay; else the test skips itself), active. A modal
// window that opens is handed to onDialog (once), else counted in dialogs
// and closed.
class CRealWindowFixture : public CProgramFixture {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Memory channel number in use with a frequency and a name (every other
    // field as in a fresh channel), told to the document as an edit is.
    void Program(int number, const char* frequency, const char* name);

    std::function<void(QDialog&)> onDialog;
    int dialogs = 0;

  private:
    QTimer* m_dialogs = nullptr;
};

}  // namespace guitest
