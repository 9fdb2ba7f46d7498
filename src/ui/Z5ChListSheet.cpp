#include "ui/Z5ChListSheet.h"

#include <array>
#include <cstdio>
#include <optional>

#include "app/CloneSupportDoc.h"
#include "app/Document.h"
#include "clone/ChannelClipRecord.h"
#include "clone/CloneDocument.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelRules.h"
#include "platform/UserInterface.h"
#include "ui/ChannelClipboard.h"
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
constexpr int kScramblerColumn = 15;

const ListSheetDef kDefinition = {
    "Memory CH", 100, 16, "Column_ChListSheet", 1000, kColumns,
};

// What a cell text is made of: the channel node and the radio it belongs to.
struct SChannelView {
    const CNode* channel;
    int version;
    bool rxExpansion;
};

std::string LeafText(const SChannelView& view, const char* leaf) {
    return GetNodeText(view.channel, leaf);
}

bool LeafOn(const SChannelView& view, const char* leaf) {
    return GetNodeValue(view.channel, leaf) != 0;
}

std::string FlagText(const SChannelView& view, const char* leaf, const char* text) {
    return LeafOn(view, leaf) ? text : "";
}

std::string FrequencyText(const SChannelView& view) {
    const CNode* node = view.channel->GetChild("FreqRx");
    if (node == nullptr) {
        return {};
    }
    const bool inBand = CZ5ChListSheet::IsInBand(node->GetValue(), view.version, view.rxExpansion);
    return node->GetText() + (inBand ? "" : "(!)");
}

using CellText = std::string (*)(const SChannelView&);

// The text of each column after the row label, in column order.
constexpr std::array<CellText, 15> kCellTexts = {{
    FrequencyText,
    [](const SChannelView& v) { return LeafText(v, "Duplex"); },
    [](const SChannelView& v) { return FlagText(v, "DupRev", "Reverse"); },
    [](const SChannelView& v) { return LeafText(v, "FreqOw"); },
    [](const SChannelView& v) { return LeafText(v, "Name"); },
    [](const SChannelView& v) { return LeafText(v, "TONESet"); },
    [](const SChannelView& v) { return LeafText(v, "TONECode"); },
    [](const SChannelView& v) { return LeafText(v, "TSQLCode"); },
    [](const SChannelView& v) {
        return LeafText(v, "DTCSCode") + (LeafOn(v, "DTCSInv") ? "i" : "N");
    },
    [](const SChannelView& v) { return LeafText(v, "ANISet"); },
    [](const SChannelView& v) { return LeafText(v, "ANICode"); },
    [](const SChannelView& v) { return FlagText(v, "Skip", "Skip"); },
    [](const SChannelView& v) { return FlagText(v, "TXPower", "Low"); },
    [](const SChannelView& v) { return FlagText(v, "TXInhibit", "Inhibit"); },
    [](const SChannelView& v) {
        return LeafOn(v, "SCRMSet") ? LeafText(v, "SCRMCode") : std::string("OFF");
    },
}};
static_assert(kCellTexts.size() + 1 == kColumns.size());

struct SAreaLayout {
    const char* node;
    int rows;
};
constexpr std::array<SAreaLayout, 4> kAreas = {{
    {"", 0},
    {"MCH", 100},
    {"PCH", 6},
    {"CCH", 1},
}};

bool IsArea(int area) {
    return area >= kAreaMemory && area <= kAreaCall;
}

constexpr const char* kMessageTitle = CCloneDocument::kMessageTitle;
constexpr const char* kDeleteQuestion = "Delete CH ?";
constexpr const char* kOverflowQuestion = "CH overflow\nLast channel will be deleted.";

}  // namespace

CZ5ChListSheet::CZ5ChListSheet(int area, CListSheetHost& host, CSettingsStore& settings,
                               QWidget* parent)
    : CListSheet(kDefinition, host, settings, parent), m_area(IsArea(area) ? area : kAreaMemory) {}

CZ5ChListSheet::~CZ5ChListSheet() = default;

const ListSheetDef& CZ5ChListSheet::Definition() {
    return kDefinition;
}

int CZ5ChListSheet::RowsOfArea(int area) {
    return IsArea(area) ? kAreas[area].rows : 0;
}

int CZ5ChListSheet::ColumnsFor(bool scrambler) {
    return scrambler ? kScramblerColumn + 1 : kScramblerColumn;
}

QString CZ5ChListSheet::RowLabel(int row) const {
    char label[16];
    if (m_area == kAreaScanEdge) {
        std::snprintf(label, sizeof label, "%01d%s", row / 2 + 1, row % 2 == 0 ? "A" : "B");
    } else {
        std::snprintf(label, sizeof label, "%02d", m_area == kAreaCall ? 0 : row);
    }
    return QString::fromLatin1(label);
}

std::string CZ5ChListSheet::ChannelPath(int row) const {
    return std::string(kAreas[m_area].node) + ".CH" + std::to_string(row + GetChannelOffset());
}

bool CZ5ChListSheet::IsInBand(long long hertz, int version, bool rxExpansion) {
    return z5channel::IsInBand(hertz, version, rxExpansion);
}

void CZ5ChListSheet::RefreshRow(int row) {
    if (row < 0 || row >= GetItemCount()) {
        return;
    }
    SetCellText(row, 0, RowLabel(row));
    const CNode* channel = CNode::ResolvePath(ChannelPath(row));
    const int columns = GetColumnCount();
    // A channel that is missing counts as cleared.
    if (channel == nullptr || channel->GetChild("Clear") == nullptr ||
        GetNodeValue(channel, "Clear") != 0) {
        for (int column = 1; column < columns; ++column) {
            SetCellText(row, column, QString());
        }
        return;
    }
    const SChannelView view{channel, Host().GetModelVersion(),
                            Host().HasModelOption("DETOP_RXEXP") == 1};
    const bool scrambler = Host().HasModelOption("DETOP_SCRM") == 1;
    for (int column = 1; column < columns; ++column) {
        if (column == kScramblerColumn && !scrambler) {
            continue;
        }
        SetCellText(row, column, QString::fromStdString(kCellTexts[column - 1](view)));
    }
}

CNode* CZ5ChListSheet::ChannelNode(int row) const {
    return row >= 0 && row < GetItemCount() ? CNode::ResolvePath(ChannelPath(row)) : nullptr;
}

bool CZ5ChListSheet::IsCleared(int row) const {
    return GetNodeValue(ChannelNode(row), "Clear") != 0;
}

void CZ5ChListSheet::EditItem() {
    const int row = SelectedRow();
    if (row < 0 || !CCloneSupportDoc::TryEnterCommand()) {
        return;
    }
    CZ5ChEditDlg dialog(ChannelPath(row), m_area, Host().HasModelOption("DETOP_SCRM") == 1, this);
    if (dialog.exec() == QDialog::Accepted) {
        Host().MarkModified();
        RedrawRow(row);
    }
    CCloneSupportDoc::LeaveCommand();
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
    RedrawRow(row);
    Host().MarkModified();
}

void CZ5ChListSheet::ClearRow(int row) {
    CNode* channel = ChannelNode(row);
    if (channel == nullptr) {
        return;
    }
    z5channel::ClearChannel(*channel);
    RedrawRow(row);
    Host().MarkModified();
}

void CZ5ChListSheet::ClearItem() {
    ClearRow(SelectedRow());
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
    std::optional<CDocument::CWaitCursor> wait;
    if (CUserInterface* ui = Host().UserInterface()) {
        wait.emplace(*ui);
    }
    for (int row = first; row != end; row += step) {
        MoveChannel(row + step, row);
    }
    ClearRow(clearedRow);
    RefreshAll();
    Host().MarkModified();
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
