#include "app/HistoryCommands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <filesystem>

#include "app/CompareDlg.h"
#include "app/HistoryDlg.h"
#include "app/Z5App.h"
#include "app/Z5MainFrame.h"
#include "clone/CloneDocument.h"
#include "clone/CloneManager.h"
#include "clone/ReadHistory.h"
#include "document/CommandHold.h"
#include "document/DocWriteSafeguard.h"
#include "document/FileTakeOver.h"
#include "document/OtherFileDoc.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "model/RadioDataManager.h"
#include "model/Z5Areas.h"
#include "platform/SettingsStore.h"
#include "platform/UserInterface.h"
#include "ui/CommandIds.h"
#include "ui/ListSheet.h"

namespace {

// The list area (1..3) of a channel area, the settings window of the others.
struct SAreaTarget {
    const char* area;
    int listArea;
    int command;
};

constexpr SAreaTarget kAreaTargets[] = {
    {z5area::kMemory, kAreaMemory, 0},
    {z5area::kScanEdge, kAreaScanEdge, 0},
    {z5area::kCall, kAreaCall, 0},
    {z5area::kCommon, kAreaNone, Cmd::CommonSetting},
    {z5area::kDtmf, kAreaNone, Cmd::DtmfAutodial},
    {z5area::kPager, kAreaNone, Cmd::PgrMemory},
};

// The position of the channel of path ("MCH.CH12.FreqRx") in its area.
int RowOf(const std::string& path) {
    const std::string area = LeafComparison::AreaOf(path);
    const std::size_t end = path.find('.', area.size() + 1);
    CNode* areaNode = CNode::ResolvePath(area);
    if (areaNode == nullptr || end == std::string::npos) {
        return -1;
    }
    const std::string channel = path.substr(area.size() + 1, end - area.size() - 1);
    const auto& children = areaNode->GetChildren();
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i]->GetName() == channel) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

CHistoryCommands::CHistoryCommands(CZ5Doc& document, CSettingsStore& settings, CUserInterface& ui)
    : m_document(document), m_settings(settings), m_ui(ui) {}

void CHistoryCommands::Register(const Handler& handle) {
    const auto checked = [this](const char* setting) {
        return [this, setting] { return SCommandState{true, IsOn(setting)}; };
    };
    handle(
        Cmd::CloneBackup, [this] { Toggle(CDocWriteSafeguard::kBackup); },
        checked(CDocWriteSafeguard::kBackup));
    handle(
        Cmd::CloneVerify, [this] { Toggle(CDocWriteSafeguard::kVerify); },
        checked(CDocWriteSafeguard::kVerify));
    handle(Cmd::FileCompare,
           [this] {
               const std::string path = AskComparePath();
               if (!path.empty()) {
                   CompareWith(path,
                               QFileInfo(QString::fromStdString(path)).fileName().toStdString());
               }
           },
           {});
    handle(Cmd::FileHistory, [this] { ShowHistory(); }, {});
}

bool CHistoryCommands::IsOn(const char* setting) const {
    return m_settings.GetInt(CReadHistory::kSection, setting, 0) != 0;
}

void CHistoryCommands::Toggle(const char* setting) {
    m_settings.SetInt(CReadHistory::kSection, setting, IsOn(setting) ? 0 : 1);
}

std::string CHistoryCommands::AskComparePath() const {
    if (m_comparePrompt) {
        return m_comparePrompt();
    }
    return QFileDialog::getOpenFileName(m_frame, tr("Compare With"), QString(),
                                        CZ5App::CloneFilesFilter() + CZ5App::AnyFileFilter())
        .toStdString();
}

void CHistoryCommands::CompareWith(const std::string& path, const std::string& name) {
    std::string chosen;
    if (CCommandHold hold; hold.Held()) {
        CFileTakeOver takeOver(m_document, m_settings);
        const CDocument::SFileResult opened = takeOver.Open(path, name);
        if (!opened.ok) {
            TellNotOpened(path, opened.message);
            return;
        }
        CCompareDlg dialog(takeOver.Differences(), QString::fromStdString(name), m_frame);
        dialog.OfferTakeOver(takeOver);
        dialog.exec();
        chosen = dialog.ChosenPath();
    }
    if (!chosen.empty()) {
        GoTo(chosen);
    }
}

void CHistoryCommands::ShowHistory() {
    std::string path;
    CHistoryDlg::EChoice choice = CHistoryDlg::EChoice::None;
    if (CCommandHold hold; hold.Held()) {
        const std::string folder = m_document.GetHistoryFolder();
        const std::vector<SHistoryEntry> entries = CReadHistory(folder, 1).Entries();
        std::vector<CHistoryDlg::SRow> rows;
        rows.reserve(entries.size());
        for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
            rows.push_back({entry->path, CReadHistory::LocalTimeText(entry->when), entry->identity,
                            entry->version});
        }
        CHistoryDlg dialog(
            std::move(rows), QString::fromStdString(folder),
            [this](const std::string& entry) { return EntryDetails(entry); }, m_frame);
        dialog.exec();
        choice = dialog.Choice();
        path = dialog.ChosenPath();
    }
    if (choice == CHistoryDlg::EChoice::Open) {
        OpenAsNewData(path);
    } else if (choice == CHistoryDlg::EChoice::Compare) {
        CompareWith(path,
                    tr("the read of %1")
                        .arg(QString::fromStdString(std::filesystem::path(path).stem().string()))
                        .toStdString());
    }
}

std::string CHistoryCommands::EntryDetails(const std::string& path) {
    const COtherFileDoc::SLeaves leaves = COtherFileDoc::Read(m_settings, m_ui, path);
    if (!leaves.ok) {
        return tr("cannot be read (%1)").arg(QString::fromStdString(leaves.message)).toStdString();
    }
    return tr("%1 memory channels in use")
        .arg(COtherFileDoc::ChannelsInUse(leaves.texts))
        .toStdString();
}

void CHistoryCommands::TellNotOpened(const std::string& path, const std::string& result) {
    m_ui.MessageBox(path + "\n\n" + result, CCloneDocument::kMessageTitle,
                    MessageStyle::Ok | MessageStyle::IconError);
}

// The read becomes the data of an untitled document, so that saving never
// changes the history.
void CHistoryCommands::OpenAsNewData(const std::string& path) {
    if (!m_document.SaveModified()) {
        return;
    }
    const CDocument::SFileResult result = m_document.OpenFile(path);
    if (!result.ok) {
        TellNotOpened(path, result.message);
        return;
    }
    if (m_frame != nullptr) {
        m_frame->RunCommand(Cmd::FileNew);
    }
}

void CHistoryCommands::GoTo(const std::string& path) {
    if (m_frame == nullptr) {
        return;
    }
    const std::string area = LeafComparison::AreaOf(path);
    for (const SAreaTarget& target : kAreaTargets) {
        if (area != target.area) {
            continue;
        }
        if (target.command != 0) {
            m_frame->RunCommand(target.command);
            return;
        }
        m_frame->ShowArea(target.listArea);
        if (CListSheet* list = m_frame->ShownList()) {
            list->SelectRow(RowOf(path));
        }
        return;
    }
}
