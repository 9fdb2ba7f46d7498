// CZ5CommonEditScrmDlg: the Scrambler page (window "174") of the common
// settings sheet: type, group code, synchronous capture and tone start
// timing of the scrambler unit, one list each.
#pragma once

#include <vector>

#include "ui/SettingsPage.h"

class CZ5CommonEditScrmDlg : public CSettingsPage {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 174;

    explicit CZ5CommonEditScrmDlg(QWidget* parent = nullptr);
    ~CZ5CommonEditScrmDlg() override;
};
