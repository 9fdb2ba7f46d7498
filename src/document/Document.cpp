#include "document/Document.h"

#include "clone/CloneDocument.h"
#include "platform/ReplacingFile.h"
#include "platform/Translation.h"
#include "platform/UserInterface.h"

namespace {
constexpr const char* kMessageTitle = CCloneDocument::kMessageTitle;
}  // namespace

void CDocument::SetPathName(const std::string& path) {
    m_pathName = path;
    std::size_t slash = path.rfind('/');
    m_title = slash == std::string::npos ? path : path.substr(slash + 1);
}

bool CDocument::SaveModified() {
    if (!IsModified()) {
        return true;
    }
    int answer = m_ui.MessageBox(
        CTranslation::Args(CTranslation::Tr("CDocument", "Save changes to %1?"), {m_title}),
        kMessageTitle,
        MessageStyle::YesNoCancel | MessageStyle::IconExclamation | MessageStyle::SaveQuestion);
    if (answer == IDNO) {
        return true;
    }
    return answer == IDYES && DoFileSave();
}

bool CDocument::DoFileSave() {
    return m_pathName.empty() ? DoFileSaveAs() : SaveAndReport(m_pathName);
}

bool CDocument::DoFileSaveAs() {
    std::string path = m_saveNamePrompt ? m_saveNamePrompt() : std::string();
    return !path.empty() && SaveAndReport(path);
}

bool CDocument::SaveAndReport(const std::string& path) {
    SFileResult result = SaveFile(path);
    if (result.ok) {
        if (m_savedHandler) {
            m_savedHandler();
        }
        return true;
    }
    const std::string text = CTranslation::Args(
        CTranslation::Tr("CDocument", "The file could not be saved.\n\n%1"), {result.message});
    if (!IsRefusedTarget(path)) {
        m_ui.MessageBox(text, kMessageTitle, MessageStyle::Ok | MessageStyle::IconError);
        return false;
    }
    return m_ui.MessageBox(
               CTranslation::Args(CTranslation::Tr("CDocument", "%1\n\nSave under another name?"),
                                  {text}),
               kMessageTitle, MessageStyle::YesNo | MessageStyle::IconExclamation) == IDYES &&
           DoFileSaveAs();
}

// A file that saving may never replace (read-only, not a regular file,
// several hard links, another user's link in a folder open to all):
// another name is the way out.
bool CDocument::IsRefusedTarget(const std::string& path) {
    switch (CReplacingFile::CheckTarget(path).problem) {
        case CReplacingFile::ETargetProblem::kNotRegularFile:
        case CReplacingFile::ETargetProblem::kReadOnly:
        case CReplacingFile::ETargetProblem::kHardLinks:
        case CReplacingFile::ETargetProblem::kPlantedLink:
            return true;
        default:
            return false;
    }
}
