// CZ5CommonEditAniDlg: the ANI page (window "173") of the common settings
// sheet: the ANI function as two radio buttons ("1125" OFF, "1124" ON) and
// the lists "Lockout", "Time-Out Timer" and "TX CH".
//
// While the sheet is open the buttons' state lives in the working leaf
// "AniFuncTmp": it is copied from "AniFunc" when the page is first displayed
// and set at every click; storing the page copies it into "AniFunc". So a
// cancelled sheet may leave "AniFuncTmp" changed, never "AniFunc".
#pragma once

#include <string>

#include <vector>

#include "ui/SettingsPage.h"

class QRadioButton;

class CZ5CommonEditAniDlg : public CSettingsPage {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 173;

    explicit CZ5CommonEditAniDlg(QWidget* parent = nullptr);
    ~CZ5CommonEditAniDlg() override;

  protected:
    void OnFirstDisplay(CNode& area) override;
    // The lists, then "AniFunc" from "AniFuncTmp".
    void WriteBack(CNode& area) override;

  private:
    QRadioButton* MakeButton(const char* text, int controlId);
    void ShowFunction(const std::string& text);
    void OnFunctionClicked();

    QRadioButton* m_off;
    QRadioButton* m_on;
};
