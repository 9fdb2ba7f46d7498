// CCloneProgressDlg: the progress window of a read or write, shown through the
// user-interface port for as long as the object lives.
//
// Construction opens the window with the caption of string 10002 (the main
// window is disabled while it exists); destruction closes it. The bar runs
// from 0 to 100. The user interface draws it; the object only decides what it
// shows.
//
// The user-interface port is not owned and must outlive the window.
#pragma once

#include <string>

class CUserInterface;

class CCloneProgressDlg {
  public:
    static constexpr int kMinimum = 0;
    static constexpr int kMaximum = 100;

    explicit CCloneProgressDlg(CUserInterface& ui);
    ~CCloneProgressDlg();

    CCloneProgressDlg(const CCloneProgressDlg&) = delete;
    CCloneProgressDlg& operator=(const CCloneProgressDlg&) = delete;

    // Lets pending window events run and moves the bar to position (clamped
    // to the bar's range).
    void SetProgress(int position);
    // Lets pending window events run; whether Cancel was pressed since the
    // last query (the mark is cleared by asking).
    bool IsCancelled();

    // The percentage text of position: "%d%%" of its share of the range;
    // 100 shows as 100, every other value modulo 100.
    static std::string PercentText(int position);

  private:
    CUserInterface& m_ui;
};
