#include "app/CsvCommands.h"

#include <algorithm>

#include "clone/CloneDocument.h"
#include "document/Z5Doc.h"
#include "interchange/ChannelCsv.h"
#include "platform/SettingsStore.h"
#include "platform/Translation.h"
#include "platform/UserInterface.h"
#include "transport/SettingsKeys.h"

namespace {

// text (marked in context "CCsvCommands") in the user's language, with its
// placeholders filled in.
std::string Text(const char* text, std::initializer_list<std::string_view> arguments) {
    return CTranslation::Args(CTranslation::Tr("CCsvCommands", text), arguments);
}

}  // namespace

CCsvCommands::CCsvCommands(CZ5Doc& document, CUserInterface& ui) : m_document(document), m_ui(ui) {}

bool CCsvCommands::Import() {
    const std::string path = m_importPrompt ? m_importPrompt() : std::string();
    if (path.empty()) {
        return false;
    }
    CChannelCsv csv(m_document.GetCloneManager());
    csv.SetVersionUnknown(!SettingsKey::IsStored(m_document.Settings(), SettingsKey::kModelVer));
    SChannelCsvImport result = csv.ImportFile(path, CChannelCsv::EBadRows::kRefuseAll);
    using EStatus = SChannelCsvImport::EStatus;
    if (result.status == EStatus::kCannotRead) {
        m_ui.MessageBox(Text(QT_TRANSLATE_NOOP("CCsvCommands", "%1 could not be read.\n\n%2"),
                             {path, SCsvProblem::DescribeAll(result.problems)}),
                        CCloneDocument::kMessageTitle, MessageStyle::Ok | MessageStyle::IconError);
        return false;
    }
    if (result.status == EStatus::kRefused) {
        const std::string question =
            Text(QT_TRANSLATE_NOOP("CCsvCommands",
                                   "These rows of %1 cannot go into the radio:\n\n%2\n"
                                   "Import the other rows and skip these?"),
                 {path, SCsvProblem::DescribeAll(result.problems)});
        if (m_ui.MessageBox(question, CCloneDocument::kMessageTitle,
                            MessageStyle::YesNo | MessageStyle::IconExclamation) != IDYES) {
            return false;
        }
        result = csv.ImportFile(path, CChannelCsv::EBadRows::kSkip);
    }
    if (!result.imported.empty()) {
        const auto [first, last] =
            std::minmax_element(result.imported.begin(), result.imported.end());
        m_document.AnnounceChange(SNodeChange::Channels(kAreaMemory, *first, *last));
    }
    m_ui.SetStatusText(Text(QT_TRANSLATE_NOOP("CCsvCommands", "%1 channels imported."),
                            {std::to_string(result.imported.size())}));
    if (!result.warnings.empty()) {
        m_ui.MessageBox(Text(QT_TRANSLATE_NOOP("CCsvCommands",
                                               "Some values of %1 were stored otherwise than "
                                               "written:\n\n%2"),
                             {path, SCsvProblem::DescribeAll(result.warnings)}),
                        CCloneDocument::kMessageTitle,
                        MessageStyle::Ok | MessageStyle::IconInformation);
    }
    return result.status == EStatus::kImported && !result.imported.empty();
}

bool CCsvCommands::Export() {
    const std::string path = m_exportPrompt ? m_exportPrompt() : std::string();
    if (path.empty()) {
        return false;
    }
    std::string error;
    if (!CChannelCsv(m_document.GetCloneManager()).ExportToFile(path, error)) {
        m_ui.MessageBox(error, CCloneDocument::kMessageTitle,
                        MessageStyle::Ok | MessageStyle::IconError);
        return false;
    }
    m_ui.SetStatusText(
        Text(QT_TRANSLATE_NOOP("CCsvCommands", "Memory channels exported to %1."), {path}));
    return false;
}
