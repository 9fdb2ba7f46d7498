#include "ui/Z5ChListSheet.h"

#include <algorithm>
#include <array>
#include <optional>

#include "clone/CloneDocument.h"
#include "interchange/ChannelClipRecord.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"
#include "platform/UserInterface.h"
#include "platform/WaitCursor.h"
#include "ui/ChannelCellDelegate.h"
#include "ui/ChannelClipboard.h"
#include "ui/ChannelTableModel.h"
#include "ui/ListSheetCommand.h"
#include "ui/ListSheetHost.h"
#include "ui/Z5ChEditDlg.h"

namespace {

constexpr int kMaxWidth = 200;

// Column 0 is the row label; the other columns are written from the nodes.
constexpr std::array<ListColumnDef, 16> kColumns = {{
    {"CH", EColumnAlign::Right, 28, 20, kMaxWidth, kDefaultColour, kDefaultColour, 3},
    {"Frequency", EColumnAlign::Right, 76, 45, kMaxWidth, kDefaultColour, kDefaultColour, 7},
    {"Duplex", EColumnAlign::Right, 47, 40, kMaxWidth, kDefaultColour, kDefaultColour, 4},
    {"Reverse", EColumnAlign::Right, 54, 40, kMaxWidth, kDefaultColour, kDefaultColour, 5},
    {"Offset Freq.", EColumnAlign::Right, 73, 45, kMaxWidth, kDefaultColour, kDefaultColour, 7},
    {"Name", EColumnAlign::Right, 57, 45, kMaxWidth, kDefaultColour, kDefaultColour, 6},
    {"Tone", EColumnAlign::Right, 42, 40, kMaxWidth, kDefaultColour, kDefaultColour, 4},
    {"RPT", EColumnAlign::Right, 49, 40, kMaxWidth, kDefaultColour, kDefaultColour, 4},
    {"CTCSS", EColumnAlign::Right, 49, 40, kMaxWidth, kDefaultColour, kDefaultColour, 4},
    {"DTCS", EColumnAlign::Right, 49, 40, kMaxWidth, kDefaultColour, kDefaultColour, 4},
    {"PGR", EColumnAlign::Right, 42, 40, kMaxWidth, kDefaultColour, kDefaultColour, 4},
    {"PGR CH", EColumnAlign::Right, 55, 40, kMaxWidth, kDefaultColour, kDefaultColour, 5},
    {"Skip", EColumnAlign::Right, 34, 35, kMaxWidth, kDefaultColour, kDefaultColour, 3},
    {"TX Power", EColumnAlign::Right, 61, 40, kMaxWidth, kDefaultColour, kDefaultColour, 6},
    {"TX Inhibit", EColumnAlign::Right, 61, 40, kMaxWidth, kDefaultColour, kDefaultColour, 6},
    {"Scrambler", EColumnAlign::Right, 63, 40, kMaxWidth, kDefaultColour, kDefaultColour, 6},
}};
constexpr int kScramblerColumn = CChannelTableModel::kScramblerColumn;

const ListSheetDef kDefinition = {
    "Memory CH", 100, 16, "Column_ChListSheet", 1000, kColumns,
};

constexpr const char* kMessageTitle = CCloneDocument::kMessageTitle;
constexpr const char* kDeleteQuestion = "Delete CH ?";
constexpr const char* kOverflowQuestion = "CH overflow\nLast channel will be deleted.";

}  // namespace

CZ5ChListSheet::CZ5ChListSheet(int area, CListSheetHost& host, CSettingsStore& settings,
                               QWidget* parent)
    : CListSheet(kDefinition, host, settings, new CChannelTableModel(kDefinition, area, host),
                 parent),
      m_area(Table().Area()) {
    setItemDelegate(new CChannelCellDelegate(this));
    connect(&Table(), &CChannelTableModel::ChannelEdited, this,
            [this](int row) { ChannelsChanged(row, row); });
}

CZ5ChListSheet::~CZ5ChListSheet() = default;

const ListSheetDef& CZ5ChListSheet::Definition() {
    return kDefinition;
}

int CZ5ChListSheet::RowsOfArea(int area) {
    return CChannelTableModel::RowsOfArea(area);
}

int CZ5ChListSheet::ColumnsFor(bool scrambler) {
    return scrambler ? kScramblerColumn + 1 : kScramblerColumn;
}

const CChannelTableModel& CZ5ChListSheet::Table() const {
    return static_cast<const CChannelTableModel&>(Model());
}

QString CZ5ChListSheet::RowLabel(int row) const {
    return Table().RowLabel(row);
}

std::string CZ5ChListSheet::ChannelPath(int row) const {
    return Table().ChannelPath(row);
}

bool CZ5ChListSheet::IsInBand(long long hertz, int version, bool rxExpansion) {
    return z5channel::IsInBand(hertz, version, rxExpansion);
}

CNode* CZ5ChListSheet::ChannelNode(int row) const {
    return Table().ChannelNode(row);
}

// The document hears of the rows' channels, and the views follow it.
void CZ5ChListSheet::ChannelsChanged(int firstRow, int lastRow) {
    NodesChanged(SNodeChange::Channels(m_area, Table().ChannelOfRow(firstRow),
                                       Table().ChannelOfRow(lastRow)));
}

bool CZ5ChListSheet::IsCleared(int row) const {
    return GetNodeValue(ChannelNode(row), z5leaf::kClear) != 0;
}

void CZ5ChListSheet::EditItem() {
    const int row = SelectedRow();
    if (row < 0) {
        return;
    }
    const CListSheetCommand command(Host());
    if (!command.Entered()) {
        return;
    }
    CZ5ChEditDlg dialog(ChannelPath(row), m_area, Host().HasModelOption(z5option::kScrambler) == 1,
                        this);
    if (dialog.exec() == QDialog::Accepted) {
        ChannelsChanged(row, row);
    }
}

void CZ5ChListSheet::CopyItem() {
    if (const CNode* channel = ChannelNode(SelectedRow())) {
        CChannelClipboard::Put(ChannelClipRecord::FromChannel(*channel));
    }
}

bool CZ5ChListSheet::ClipboardHasData() const {
    return CChannelClipboard::HasRecord();
}

void CZ5ChListSheet::PasteItem() {
    const int row = SelectedRow();
    CNode* channel = ChannelNode(row);
    const std::optional<ChannelClipRecord> record = CChannelClipboard::Get();
    if (channel == nullptr || !record) {
        return;
    }
    record->WriteTo(*channel, m_area == kAreaMemory);
    ChannelsChanged(row, row);
}

void CZ5ChListSheet::ClearRow(int row) {
    CNode* channel = ChannelNode(row);
    if (channel == nullptr) {
        return;
    }
    z5channel::ClearChannel(*channel);
}

void CZ5ChListSheet::ClearItem() {
    const int row = SelectedRow();
    if (ChannelNode(row) != nullptr) {
        ClearRow(row);
        ChannelsChanged(row, row);
    }
}

bool CZ5ChListSheet::AskYes(const char* question, unsigned icon) const {
    CUserInterface* ui = Host().UserInterface();
    return ui != nullptr &&
           ui->MessageBox(question, kMessageTitle, MessageStyle::YesNo | icon) == IDYES;
}

void CZ5ChListSheet::MoveChannel(int from, int to) {
    const CNode* source = ChannelNode(from);
    CNode* target = ChannelNode(to);
    if (source == nullptr || target == nullptr) {
        return;
    }
    z5channel::MoveChannel(*source, *target);
}

// Moves channel row + step onto row for every row from first up to (not
// including) end, then clears clearedRow.
void CZ5ChListSheet::ShiftChannels(int first, int end, int step, int clearedRow) {
    const CWaitCursor wait(Host().UserInterface());
    for (int row = first; row != end; row += step) {
        MoveChannel(row + step, row);
    }
    ClearRow(clearedRow);
    ChannelsChanged(std::min({first, end, clearedRow}), std::max({first, end, clearedRow}));
}

void CZ5ChListSheet::DeleteItem() {
    const int selected = SelectedRow();
    const int rows = GetItemCount();
    if (selected < 0 ||
        (!IsCleared(selected) && !AskYes(kDeleteQuestion, MessageStyle::IconExclamation))) {
        return;
    }
    ShiftChannels(selected, rows - 1, +1, rows - 1);
}

void CZ5ChListSheet::InsertItem() {
    const int selected = SelectedRow();
    const int last = GetItemCount() - 1;
    if (selected < 0 || (!IsCleared(last) && !AskYes(kOverflowQuestion, MessageStyle::IconNone))) {
        return;
    }
    ShiftChannels(last, selected, -1, selected);
}
