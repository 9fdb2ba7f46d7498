// CInformationDlg: the modal "Information" window (window "10005") that shows
// what the radio told about itself: its model version ("10101") and its
// identity text ("10100"); field "10102" stays empty.
#pragma once

#include <QDialog>

class CInformationDlg : public QDialog {
    Q_OBJECT
  public:
    CInformationDlg(const QString& model, const QString& comment, QWidget* parent = nullptr);
    ~CInformationDlg() override;
};
