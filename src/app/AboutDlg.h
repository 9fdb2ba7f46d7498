// CAboutDlg: the "About CP-Z5" window (window "100"): the program's icon, its
// name and revision, the maker's notice and a picture, with one OK button.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

    static constexpr const char* kProductLine = "CP-Z5 Rev.1.0";
    static constexpr const char* kNotice = "Copyright (C) Brel Inc.";
};
