// CCommPortSetupDlg: the setup window (window "160") shown at the first start
// and with the option -S: it tells the user to connect the radio ("1053"),
// lets them choose the port of the cloning cable ("1059" is its label,
// "1055" the list COM1..COM4, each with the device it stands for) and, on OK,
// asks the radio for its version and options.
//
// Under the port list the "Cable" list offers the serial devices that exist
// (USB adapters by maker and product, onboard ports), with Refresh for a
// cable plugged in meanwhile; choosing one binds the chosen COM port to it,
// so that COMn stays the port the program remembers.
//
// The dialog itself talks to no radio: OK hands the chosen port number to
// the identify function given at construction. When that function answers
// true the dialog closes with Accepted; otherwise it stays open (the function
// has told the user why). Cancel closes it and nothing is identified.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "platform/SerialPortList.h"

class QComboBox;
class QPushButton;

class CCommPortSetupDlg : public QDialog {
    Q_OBJECT
  public:
    // Identifies the radio on COM port number 1..4; true on success.
    using Identify = std::function<bool(int port)>;
    // The device a COM port number stands for ("/dev/ttyUSB0").
    using Describe = std::function<std::string(int port)>;

    static constexpr int kPortCount = 4;

    // The serial devices that exist now.
    using ListPorts = std::function<std::vector<SSerialPortInfo>()>;
    // Makes COM port number port stand for device from now on.
    using BindPort = std::function<void(int port, const std::string& device)>;

    // port: the port number to select first (1..4; others select COM1).
    CCommPortSetupDlg(int port, Describe describe, Identify identify, QWidget* parent = nullptr);
    ~CCommPortSetupDlg() override;

    // Offers the devices of list in the "Cable" list; bind takes the choice.
    void SetPortFinder(ListPorts list, BindPort bind);
    // Reads the devices again (Refresh).
    void RefreshCables();
    // The "Cable" list.
    QComboBox* CableList() const { return m_cables; }

    // The port number chosen in the list, 1..4.
    int SelectedPort() const;

  public slots:
    void accept() override;

  private:
    void ShowPortEntries();
    void SelectCableOfPort();
    void OnCableChosen(int index);

    QComboBox* m_ports;
    QComboBox* m_cables;
    QPushButton* m_refresh;
    QWidget* m_cableLabel = nullptr;
    Describe m_describe;
    Identify m_identify;
    ListPorts m_listPorts;
    BindPort m_bindPort;
    std::vector<SSerialPortInfo> m_found;
};
