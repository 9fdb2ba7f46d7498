// CPrintStatusDlg: the small window (resource 168) shown while a print job
// runs. Its Cancel button (named "2") cancels the job of the printer device.
// While it exists its owner window is disabled, so that nothing else can be
// started during the job; the destructor enables it again.
//
// Neither the device nor the owner is owned; both must outlive the window.
#pragma once

#include <QDialog>
#include <QPointer>

class CPrintDevice;

class CPrintStatusDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 168;
    static constexpr const char* kText = QT_TR_NOOP("Now printing...");

    // Shows the window (modeless, a window of its own) over owner, which may
    // be nullptr.
    CPrintStatusDlg(CPrintDevice& device, QWidget* owner);
    ~CPrintStatusDlg() override;

  public slots:
    // Cancel and the window's close: the job is cancelled.
    void reject() override;

  private:
    CPrintDevice& m_device;
    QPointer<QWidget> m_owner;
};
