#include "app/CommandLineInfo.h"

#include <string_view>

CCommandLineInfo::CCommandLineInfo(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        ParseParameter(argument);
    }
}

void CCommandLineInfo::ParseParameter(const std::string& argument) {
    const std::string_view text(argument);
    const std::string_view virtualRadio(kVirtualRadioOption);
    if (text == virtualRadio) {
        m_virtualRadio = true;
        return;
    }
    if (text.starts_with(virtualRadio) && text.size() > virtualRadio.size() &&
        text[virtualRadio.size()] == '=') {
        m_virtualRadio = true;
        m_virtualRadioVersion = std::string(text.substr(virtualRadio.size() + 1));
        return;
    }
    const bool isSwitch = !text.empty() && (text[0] == '/' || text[0] == '-');
    if (isSwitch) {
        if (text.substr(1) == "S") {
            m_setupRequested = true;
        }
        return;
    }
    m_fileName = argument;
}
