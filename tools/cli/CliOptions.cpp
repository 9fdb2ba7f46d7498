#include "CliOptions.h"

#include <algorithm>

#include "model/MessageText.h"
#include "platform/Translation.h"

namespace {

const SCliOptionDef* FindAccepted(std::span<const SCliOptionDef> accepted, std::string_view name) {
    auto it = std::find_if(accepted.begin(), accepted.end(),
                           [name](const SCliOptionDef& option) { return option.name == name; });
    return it != accepted.end() ? &*it : nullptr;
}

bool LooksLikeOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-';
}

}  // namespace

bool CCliOptions::Fail(std::string error) {
    m_error = std::move(error);
    return false;
}

// The name under which an option is kept: the market option under its
// accepted name whichever name it was given by.
std::string CCliOptions::AcceptedName(std::string name) {
    if (name == kMarketName) {
        return std::string(kMarketOption);
    }
    if (name == kMarketOption) {
        m_notice = CTranslation::Tr("CCliOptions",
                                    "--version VALUE is now --market VALUE; --version alone "
                                    "shows the program's version");
    }
    return name;
}

bool CCliOptions::Parse(std::span<const std::string> arguments,
                        std::span<const SCliOptionDef> accepted) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!LooksLikeOption(argument)) {
            m_positionals.push_back(argument);
            continue;
        }
        std::size_t equals = argument.find('=');
        const std::string given = argument.substr(0, equals);
        const std::string name = AcceptedName(given);
        const SCliOptionDef* option = FindAccepted(accepted, name);
        if (option == nullptr) {
            return Fail(CTranslation::Args(CTranslation::Tr("CCliOptions", "unknown option %1"),
                                           {MessageText::Quoted(given)}));
        }
        if (Has(name) && !option->repeatable) {
            return Fail(CTranslation::Args(CTranslation::Tr("CCliOptions", "option %1 given twice"),
                                           {given}));
        }
        if (!option->takesValue) {
            if (equals != std::string::npos) {
                return Fail(CTranslation::Args(
                    CTranslation::Tr("CCliOptions", "option %1 takes no value"), {given}));
            }
            m_values[name] = "";
            continue;
        }
        if (equals == std::string::npos && i + 1 >= arguments.size()) {
            return Fail(CTranslation::Args(
                CTranslation::Tr("CCliOptions", "option %1 needs a value"), {given}));
        }
        const std::string value =
            equals != std::string::npos ? argument.substr(equals + 1) : arguments[++i];
        m_values.emplace(name, value);
        m_repeated[name].push_back(value);
    }
    return true;
}

std::vector<std::string> CCliOptions::Values(std::string_view name) const {
    auto it = m_repeated.find(std::string(name));
    return it != m_repeated.end() ? it->second : std::vector<std::string>();
}

std::optional<std::string> CCliOptions::Value(std::string_view name) const {
    auto it = m_values.find(std::string(name));
    if (it == m_values.end()) {
        return std::nullopt;
    }
    return it->second;
}
