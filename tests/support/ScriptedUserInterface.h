#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/UserInterface.h"

// The user-interface port for tests: records every call and answers message
// boxes from a script. Without a scripted answer a box answers as a user who
// presses the first button would (IDOK for OK and OK/Cancel, IDYES for
// Yes/No and Yes/No/Cancel).
class CScriptedUserInterface : public CUserInterface {
  public:
    struct SMessage {
        std::string text;
        std::string title;
        unsigned style;
    };

    // Answers for the next message boxes, in order.
    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    // Press Cancel in the progress window at the given query of
    // IsProgressCancelled (1 = the first query); 0 never.
    void CancelProgressAtQuery(int query) { m_cancelAtQuery = query; }

    int MessageBox(const std::string& text, const std::string& title, unsigned style) override;
    void BeginWaitCursor() override { ++m_waitDepth, ++m_waitCursorCalls; }
    void EndWaitCursor() override { --m_waitDepth; }
    void SetStatusText(const std::string& text) override { m_statusTexts.push_back(text); }
    void OpenProgress(const std::string& caption) override;
    void SetProgress(int percent) override;
    bool IsProgressCancelled() override;
    void CloseProgress() override { m_progressOpen = false; }
    void Beep(EBeep kind) override { m_beeps.push_back(kind); }
    void ShowRadioInformation(const std::string& model, const std::string& comment) override;

    // What was recorded.
    std::vector<SMessage> m_messages;
    std::vector<std::string> m_statusTexts;
    std::vector<EBeep> m_beeps;
    std::vector<int> m_progress;  // every position set, in order
    std::vector<std::string> m_progressCaptions;
    std::vector<std::pair<std::string, std::string>> m_informations;  // model, comment
    bool m_progressOpen = false;
    int m_waitDepth = 0;
    int m_waitCursorCalls = 0;
    int m_cancelQueries = 0;

  private:
    std::deque<int> m_answers;
    int m_cancelAtQuery = 0;
};
