#include "support/ScriptedUserInterface.h"

int CScriptedUserInterface::MessageBox(const std::string& text, const std::string& title,
                                       unsigned style) {
    m_messages.push_back({text, title, style});
    if (!m_answers.empty()) {
        int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    unsigned buttons = style & MessageStyle::ButtonMask;
    return buttons == MessageStyle::YesNo || buttons == MessageStyle::YesNoCancel ? IDYES : IDOK;
}

void CScriptedUserInterface::OpenProgress(const std::string& caption) {
    m_progressCaptions.push_back(caption);
    m_progressOpen = true;
}

void CScriptedUserInterface::SetProgress(int percent) {
    if (m_progress.empty() || m_progress.back() != percent) {
        m_progress.push_back(percent);
    }
}

bool CScriptedUserInterface::IsProgressCancelled() {
    ++m_cancelQueries;
    return m_cancelAtQuery != 0 && m_cancelQueries == m_cancelAtQuery;
}

void CScriptedUserInterface::ShowRadioInformation(const std::string& model,
                                                  const std::string& comment) {
    m_informations.emplace_back(model, comment);
}
