// CCloneProgressWindow: the modeless window of a read or write from the radio
// (window "10001"): a bar from 0 to 100 ("10003"), its percentage as text
// ("10004") and a Cancel button ("2").
//
// The transfer runs on the user-interface thread; SetProgress and
// IsCancelled let pending window events run, so the window can be moved and
// Cancel pressed while the transfer goes on. Cancel (the button, Escape or
// closing the window) only sets a mark that IsCancelled reports once; the
// window stays until its owner destroys it.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

class CCloneProgressWindow : public QDialog {
    Q_OBJECT
  public:
    CCloneProgressWindow(const QString& caption, QWidget* parent = nullptr);
    ~CCloneProgressWindow() override;

    // Lets pending events run, then shows position (0..100) on the bar and
    // as "N%" (100 stays 100, larger values count modulo 100, negative 0).
    void SetProgress(int position);

    // Lets pending events run; true when Cancel was pressed since the last
    // query (the mark is cleared).
    bool IsCancelled();

    // The percentage text for a bar position.
    static QString PercentText(int position);

  public slots:
    void reject() override;

  private:
    QProgressBar* m_bar;
    QLabel* m_percent;
    bool m_cancelMark = false;
};
