// CCommPortSetupDlg: the setup window (window "160") shown at the first start
// and with the option -S: it tells the user to connect the radio ("1053"),
// lets them choose the port of the cloning cable ("1059" is its label,
// "1055" the list COM1..COM4, each with the device it stands for) and, on OK,
// asks the radio for its version and options.
//
// The dialog itself talks to no radio: OK hands the chosen port number to
// the identify function given at construction. When that function answers
// true the dialog closes with Accepted; otherwise it stays open (the function
// has told the user why). Cancel closes it and nothing is identified.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QComboBox;

class CCommPortSetupDlg : public QDialog {
    Q_OBJECT
  public:
    // Identifies the radio on COM port number 1..4; true on success.
    using Identify = std::function<bool(int port)>;
    // The device a COM port number stands for ("/dev/ttyUSB0").
    using Describe = std::function<std::string(int port)>;

    static constexpr int kPortCount = 4;

    // port: the port number to select first (1..4; others select COM1).
    CCommPortSetupDlg(int port, Describe describe, Identify identify, QWidget* parent = nullptr);
    ~CCommPortSetupDlg() override;

    // The port number chosen in the list, 1..4.
    int SelectedPort() const;

  public slots:
    void accept() override;

  private:
    QComboBox* m_ports;
    Identify m_identify;
};
