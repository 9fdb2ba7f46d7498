#include "transport/CloneProgressDlg.h"

#include <algorithm>

#include "platform/StringTable.h"
#include "platform/UserInterface.h"

CCloneProgressDlg::CCloneProgressDlg(CUserInterface& ui) : m_ui(ui) {
    m_ui.OpenProgress(CStringTable::Get(Ids::ProgressCaption));
}

CCloneProgressDlg::~CCloneProgressDlg() {
    m_ui.CloseProgress();
}

void CCloneProgressDlg::SetProgress(int position) {
    m_ui.SetProgress(std::clamp(position, kMinimum, kMaximum));
}

bool CCloneProgressDlg::IsCancelled() {
    return m_ui.IsProgressCancelled();
}

std::string CCloneProgressDlg::PercentText(int position) {
    int percent = (position - kMinimum) * 100 / (kMaximum - kMinimum);
    if (percent != 100) {
        percent %= 100;
    }
    return std::to_string(percent) + "%";
}
