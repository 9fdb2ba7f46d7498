#include "CliSession.h"

#include <iostream>

#include "CliExit.h"
#include "document/Z5Doc.h"
#include "model/MessageText.h"
#include "model/Z5Versions.h"
#include "platform/Translation.h"
#include "transport/PortName.h"
#include "transport/SettingsKeys.h"

CCliSession::CCliSession(CSettingsStore& userSettings, bool assumeYes)
    : m_settings(userSettings), m_ui(assumeYes) {}

CCliSession::~CCliSession() = default;

bool CCliSession::ApplyVersionOption(const CCliOptions& options) {
    std::optional<std::string> name = options.Value("--version");
    if (!name) {
        return true;
    }
    const z5version::SVersion* version = z5version::FindByName(*name);
    if (version == nullptr) {
        Report(CTranslation::Args(CTranslation::Tr("CCliSession", "unknown version %1 (%2)"),
                                  {MessageText::Quoted(*name), z5version::NameList()}));
        return false;
    }
    m_settings.Override(SettingsKey::kModelVer.section, SettingsKey::kModelVer.name,
                        version->number);
    return true;
}

CZ5Doc& CCliSession::Document() {
    if (m_document == nullptr) {
        m_document = std::make_unique<CZ5Doc>(m_settings, m_ui);
    }
    return *m_document;
}

bool CCliSession::Open(const std::string& path) {
    CDocument::SFileResult result = Document().OpenFile(path);
    if (!result.ok) {
        Report(MessageText::Quoted(path) + ": " + result.message);
    }
    return result.ok;
}

bool CCliSession::Save(const std::string& path) {
    CDocument::SFileResult result = Document().SaveFile(path);
    if (!result.ok) {
        Report(MessageText::Quoted(path) + ": " + result.message);
    }
    return result.ok;
}

void CCliSession::Report(const std::string& message) {
    std::cerr << "cpz5-cli: " << MessageText::ForTerminal(message) << '\n';
}

int CCliSession::UsageError(const std::string& message) const {
    Report(message);
    std::cerr << CTranslation::Args(CTranslation::Tr("CCliSession", "usage: %1"), {m_usage})
              << '\n';
    return CliExit::kUsage;
}

// A device is bound to the port number of the settings so that the port the
// user chose in the program stays as it was.
std::optional<unsigned> CCliSession::PortNumberOf(const std::string& port) {
    if (std::optional<unsigned> number = CPortName::ParseComNumber(port)) {
        return number;
    }
    if (port.find('/') == std::string::npos) {
        return std::nullopt;
    }
    int stored = SettingsKey::ReadInt(m_settings, SettingsKey::kPortNumber);
    unsigned number = stored >= 1 ? static_cast<unsigned>(stored) : 1u;
    CPortName::Bind(number, port);
    return number;
}
