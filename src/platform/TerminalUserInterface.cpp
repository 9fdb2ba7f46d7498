#include "platform/TerminalUserInterface.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <iostream>

#include "platform/Translation.h"

namespace {

std::string IconPrefix(unsigned style) {
    switch (style & MessageStyle::IconMask) {
        case MessageStyle::IconError:
            return CTranslation::Tr("CTerminalUserInterface", "error: ");
        case MessageStyle::IconExclamation:
            return CTranslation::Tr("CTerminalUserInterface", "warning: ");
        default:
            return "";
    }
}

bool IsQuestion(unsigned buttons) {
    return buttons != MessageStyle::Ok;
}

int DeclineAnswer(unsigned buttons) {
    return buttons == MessageStyle::YesNo ? IDNO : IDCANCEL;
}

int AcceptAnswer(unsigned buttons) {
    return buttons == MessageStyle::YesNo || buttons == MessageStyle::YesNoCancel ? IDYES : IDOK;
}

}  // namespace

CTerminalUserInterface::CTerminalUserInterface(bool assumeYes)
    : m_assumeYes(assumeYes),
      m_interactive(isatty(STDIN_FILENO) != 0 && isatty(STDERR_FILENO) != 0),
      m_errorIsTerminal(isatty(STDERR_FILENO) != 0) {}

int CTerminalUserInterface::MessageBox(const std::string& text, const std::string&,
                                       unsigned style) {
    unsigned buttons = style & MessageStyle::ButtonMask;
    std::cerr << IconPrefix(style) << text << "\n";
    if (!IsQuestion(buttons)) {
        return IDOK;
    }
    return Ask(buttons);
}

int CTerminalUserInterface::Ask(unsigned buttons) {
    if (m_assumeYes) {
        std::cerr << CTranslation::Tr("CTerminalUserInterface", "(answered yes: --yes)") << "\n";
        return AcceptAnswer(buttons);
    }
    if (!m_interactive) {
        std::cerr << CTranslation::Tr("CTerminalUserInterface",
                                      "(no terminal to answer on: cancelled; --yes answers yes)")
                  << "\n";
        return DeclineAnswer(buttons);
    }
    std::cerr << "[y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) {
        return DeclineAnswer(buttons);
    }
    bool yes = !answer.empty() && std::tolower(static_cast<unsigned char>(answer[0])) == 'y';
    return yes ? AcceptAnswer(buttons) : DeclineAnswer(buttons);
}

void CTerminalUserInterface::SetStatusText(const std::string& text) {
    if (m_errorIsTerminal && !text.empty()) {
        std::cerr << text << "\n";
    }
}

void CTerminalUserInterface::OpenProgress(const std::string& caption) {
    m_caption = caption;
    m_shownPercent = -1;
}

void CTerminalUserInterface::SetProgress(int percent) {
    if (!m_errorIsTerminal || percent == m_shownPercent) {
        return;
    }
    m_shownPercent = percent;
    constexpr int width = 30;
    int filled = percent * width / 100;
    std::string bar(static_cast<size_t>(filled), '#');
    bar.append(static_cast<size_t>(width - filled), '.');
    std::fprintf(stderr, "\r%s [%s] %3d%%", m_caption.c_str(), bar.c_str(), percent);
    std::fflush(stderr);
}

void CTerminalUserInterface::CloseProgress() {
    if (m_errorIsTerminal && m_shownPercent >= 0) {
        std::fputs("\n", stderr);
    }
    m_shownPercent = -1;
}

void CTerminalUserInterface::ShowRadioInformation(const std::string& model,
                                                  const std::string& comment) {
    std::string text = comment;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    std::cout << "Model: " << model << "\n"
              << "Comment: " << text << "\n";
}
