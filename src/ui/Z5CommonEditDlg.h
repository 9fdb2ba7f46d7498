// CZ5CommonEditDlg: the Common page (window "165") of the common settings
// sheet: the radio's set-mode settings as fourteen lists, the check boxes
// "Operation Beep" and "Dial Speedup", and the clone comment.
//
// The comment takes at most 16 characters, printable ASCII only (what the
// radio can show; the image holds one byte per character).
//
// Only the "USA" version has the automatic repeater: on any other the list
// "Auto Repeater" (1096) and its label (11136) are disabled and show "OFF",
// so storing the page writes "OFF" to "Repeater".
#pragma once

#include <cstddef>

#include <vector>

#include "ui/SettingsPage.h"

class QLineEdit;

class CZ5CommonEditDlg : public CSettingsPage {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 165;
    static constexpr int kCommentLength = 16;

    // modelVersion: 0 "GEN", 1 "SEA", 2 "USA", 3 "EUR", 4 none.
    explicit CZ5CommonEditDlg(int modelVersion, QWidget* parent = nullptr);
    ~CZ5CommonEditDlg() override;

  protected:
    // The lists, then "Beep" and "DialSpeed", then "CloneComment".
    void WriteBack(CNode& area) override;

  private:
    // The check box under the lists of column.
    void AddCheckRow(QFormLayout& form, std::size_t column);
    QLineEdit* MakeCommentEdit();
    void LockRepeater(QFormLayout& column);

    QLineEdit* m_comment;
};
