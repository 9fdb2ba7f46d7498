#include "ui/Z5ChListSheet.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <algorithm>
#include <array>
#include <optional>

#include "clone/CloneDocument.h"
#include "interchange/ChannelClipRecord.h"
#include "interchange/ChannelClipText.h"
#include "interchange/ChannelCsvColumns.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"
#include "platform/UserInterface.h"
#include "platform/WaitCursor.h"
#include "ui/ChannelCellDelegate.h"
#include "ui/ChannelClipboard.h"
#include "ui/ChannelColumns.h"
#include "ui/ChannelRowOrder.h"
#include "ui/ChannelTableModel.h"
#include "ui/ListSheetCommand.h"
#include "ui/ListSheetHost.h"
#include "ui/SetFieldDlg.h"
#include "ui/Z5ChEditDlg.h"
#include "views/ChannelGrid.h"

namespace {

constexpr const char* kMessageTitle = CCloneDocument::kMessageTitle;
constexpr const char* kPasteStep = QT_TRANSLATE_NOOP("CZ5ChListSheet", "Paste %1 channels");

QString NoneInUse() {
    return CZ5ChListSheet::tr("None of the selected channels is in use: nothing is set.");
}

QString OverflowText(int count, int fit, const QString& firstLabel) {
    return CZ5ChListSheet::tr(
               "%1 rows are pasted, but only %2 channels follow from CH %3 to the "
               "end of the list: the other rows are not pasted.")
        .arg(QString::number(count), QString::number(fit), firstLabel);
}

}  // namespace

CZ5ChListSheet::CZ5ChListSheet(int area, CListSheetHost& host, CSettingsStore& settings,
                               QWidget* parent)
    : CListSheet(CChannelGrid::Definition(), host, settings,
                 new CChannelTableModel(CChannelGrid::Definition(), area, host), parent),
      m_area(Table().Area()) {
    // A screen reader calls the grid by the area it shows.
    setAccessibleName(QCoreApplication::translate("z5area", CChannelGrid::AreaTitle(m_area)));
    auto* cells = new CChannelCellDelegate(this);
    setItemDelegate(cells);
    connect(cells, &CChannelCellDelegate::Refused, this,
            [this](const QString& reason) { Say(reason); });
    connect(cells, &CChannelCellDelegate::SetOnSelection, this, &CZ5ChListSheet::SetOnSelection);
    connect(&Table(), &CChannelTableModel::ChannelEdited, this,
            [this](int row) { ChannelsChanged(row, row); });
    SetUpHeaderSort();
}

CZ5ChListSheet::~CZ5ChListSheet() = default;

const ListSheetDef& CZ5ChListSheet::Definition() {
    return CChannelGrid::Definition();
}

int CZ5ChListSheet::RowsOfArea(int area) {
    return CChannelTableModel::RowsOfArea(area);
}

int CZ5ChListSheet::ColumnsFor(bool scrambler) {
    return CChannelColumns::CountFor(scrambler);
}

CChannelTableModel& CZ5ChListSheet::Table() const {
    return static_cast<CChannelTableModel&>(Model());
}

QString CZ5ChListSheet::RowLabel(int row) const {
    return Table().RowLabel(row);
}

std::string CZ5ChListSheet::ChannelPath(int row) const {
    return Table().ChannelPath(row);
}

CNode* CZ5ChListSheet::ChannelNode(int row) const {
    return Table().ChannelNode(row);
}

// The document hears of the rows' channels, and the views follow it. An
// operation on count channels (more than one) names its undo step with
// stepName, a text of this class's context with the count as %1 ("Delete 3
// channels").
void CZ5ChListSheet::ChannelsChanged(int firstRow, int lastRow, const char* stepName, int count) {
    SNodeChange change = SNodeChange::Channels(m_area, Table().ChannelOfRow(firstRow),
                                               Table().ChannelOfRow(lastRow));
    if (stepName != nullptr && count > 1) {
        change.stepName =
            QCoreApplication::translate("CZ5ChListSheet", stepName).arg(count).toStdString();
    }
    NodesChanged(change);
}

bool CZ5ChListSheet::IsCleared(int row) const {
    return !Table().IsInUse(row);
}

// Only the memory channels hide their cleared rows.
bool CZ5ChListSheet::IsRowInUse(int row) const {
    return m_area != kAreaMemory || Table().IsInUse(row);
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
    std::vector<ChannelClipRecord> records;
    std::vector<ChannelClipText::SNumberedChannel> numbered;
    for (int row : SelectedRows()) {
        if (const CNode* channel = ChannelNode(row)) {
            records.push_back(ChannelClipRecord::FromChannel(*channel));
            numbered.push_back({Table().ChannelOfRow(row), channel});
        }
    }
    if (!records.empty()) {
        CChannelClipboard::Put(records, ChannelClipText::Write(numbered));
    }
}

bool CZ5ChListSheet::ClipboardHasData() const {
    return CChannelClipboard::HasData();
}

void CZ5ChListSheet::PasteItem() {
    const int first = SelectedRow();
    if (ChannelNode(first) == nullptr) {
        return;
    }
    if (const auto records = CChannelClipboard::GetRecords()) {
        PasteRecords(first, *records);
    } else if (const auto text = CChannelClipboard::GetText();
               text && ChannelClipText::MightBeChannels(*text)) {
        PasteText(first, *text);
    }
}

// Records that do not fit before the end of the area are pasted only when
// the user agrees to the ones that fit.
void CZ5ChListSheet::PasteRecords(int first, const std::vector<ChannelClipRecord>& records) {
    const int count = static_cast<int>(records.size());
    const int fit = std::min(count, GetItemCount() - first);
    if (fit <= 0 || (fit < count && !AskYes((OverflowText(count, fit, RowLabel(first)) + "\n\n" +
                                             tr("Paste the rows that fit?"))
                                                .toStdString(),
                                            MessageStyle::IconExclamation))) {
        return;
    }
    for (int i = 0; i < fit; ++i) {
        if (CNode* channel = ChannelNode(first + i)) {
            records[static_cast<std::size_t>(i)].WriteTo(*channel, m_area == kAreaMemory);
        }
    }
    ChannelsChanged(first, first + fit - 1, kPasteStep, fit);
}

// Text rows are checked as the CSV import checks them; bad rows and rows
// past the end of the area are listed and the rest pasted only when the
// user agrees.
void CZ5ChListSheet::PasteText(int first, const std::string& text) {
    const std::string path = ChannelPath(first);
    const CNode* area = CNode::ResolvePath(path.substr(0, path.find('.')));
    if (area == nullptr || area->GetChildren().empty()) {
        return;
    }
    const int space = GetItemCount() - first;
    const SChannelCsvLimits limits = ChannelCsvColumns::LimitsOf(
        *area, Host().GetModelVersion(), Host().HasModelOption(z5option::kReceiveRange) == 1);
    const SChannelClipTextRead read = ChannelClipText::Read(text, limits, space);
    std::string report;
    if (!read.problems.empty()) {
        report = (read.refused ? tr("The text cannot be pasted as channels:")
                               : tr("These rows of the text cannot be pasted:"))
                     .toStdString() +
                 "\n\n" + SCsvProblem::DescribeAll(read.problems);
    }
    if (read.rowCount > space) {
        report += (report.empty() ? "" : "\n") +
                  OverflowText(read.rowCount, space, RowLabel(first)).toStdString() + "\n";
    }
    if (read.rows.empty()) {
        Tell(report + "\n" + tr("Nothing is pasted.").toStdString());
        return;
    }
    const QString question =
        read.problems.empty() ? tr("Paste the rows that fit?") : tr("Paste the good rows?");
    if (!report.empty() &&
        !AskYes(report + "\n" + question.toStdString(), MessageStyle::IconExclamation)) {
        return;
    }
    std::vector<SCsvProblem> warnings;
    for (const SChannelClipRow& row : read.rows) {
        if (CNode* channel = ChannelNode(first + row.offset)) {
            ChannelClipText::WriteRow(row, *channel, m_area == kAreaMemory);
        }
        for (const std::string& warning : row.plan.warnings) {
            warnings.push_back({row.plan.line, warning});
        }
    }
    ChannelsChanged(first, first + read.rows.back().offset, kPasteStep,
                    static_cast<int>(read.rows.size()));
    if (CUserInterface* ui = Host().UserInterface(); ui != nullptr && !warnings.empty()) {
        ui->MessageBox(
            tr("Some values of the text were stored otherwise than written:").toStdString() +
                "\n\n" + SCsvProblem::DescribeAll(warnings),
            kMessageTitle, MessageStyle::Ok | MessageStyle::IconInformation);
    }
}

void CZ5ChListSheet::ClearRow(int row) {
    CNode* channel = ChannelNode(row);
    if (channel == nullptr) {
        return;
    }
    z5channel::ClearChannel(*channel);
}

void CZ5ChListSheet::ClearItem() {
    ClearSelected(QT_TRANSLATE_NOOP("CZ5ChListSheet", "Clear %1 channels"));
}

void CZ5ChListSheet::CutItem() {
    CopyItem();
    ClearSelected(QT_TRANSLATE_NOOP("CZ5ChListSheet", "Cut %1 channels"));
}

// The selected channels cleared as one step named stepName.
void CZ5ChListSheet::ClearSelected(const char* stepName) {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty() || ChannelNode(rows.front()) == nullptr) {
        return;
    }
    for (int row : rows) {
        ClearRow(row);
    }
    ChannelsChanged(rows.front(), rows.back(), stepName, static_cast<int>(rows.size()));
}

bool CZ5ChListSheet::AskYes(const std::string& question, unsigned icon) const {
    CUserInterface* ui = Host().UserInterface();
    return ui != nullptr &&
           ui->MessageBox(question, kMessageTitle, MessageStyle::YesNo | icon) == IDYES;
}

void CZ5ChListSheet::Tell(const std::string& text) const {
    if (CUserInterface* ui = Host().UserInterface()) {
        ui->MessageBox(text, kMessageTitle, MessageStyle::Ok | MessageStyle::IconExclamation);
    }
}

void CZ5ChListSheet::MoveChannel(int from, int to) {
    const CNode* source = ChannelNode(from);
    CNode* target = ChannelNode(to);
    if (source == nullptr || target == nullptr) {
        return;
    }
    z5channel::MoveChannel(*source, *target);
}

// The channels that stay move up in their order over the selected ones; the
// rows freed at the end are cleared.
void CZ5ChListSheet::DeleteItem() {
    const std::vector<int> selected = SelectedRows();
    const int rows = GetItemCount();
    if (selected.empty() || selected.front() >= rows) {
        return;
    }
    const bool inUse =
        std::any_of(selected.begin(), selected.end(), [this](int row) { return !IsCleared(row); });
    if (inUse && !AskYes(tr("Delete CH ?").toStdString(), MessageStyle::IconExclamation)) {
        return;
    }
    const CWaitCursor wait(Host().UserInterface());
    int target = selected.front();
    for (int row = target; row < rows; ++row) {
        if (!std::binary_search(selected.begin(), selected.end(), row)) {
            MoveChannel(row, target++);
        }
    }
    for (int row = target; row < rows; ++row) {
        ClearRow(row);
    }
    ChannelsChanged(selected.front(), rows - 1,
                    QT_TRANSLATE_NOOP("CZ5ChListSheet", "Delete %1 channels"),
                    static_cast<int>(selected.size()));
}

// As many cleared channels as rows are selected go in at the first selected
// row; the channels from there move down and the last ones drop off.
void CZ5ChListSheet::InsertItem() {
    const std::vector<int> selected = SelectedRows();
    const int rows = GetItemCount();
    if (selected.empty() || selected.front() >= rows) {
        return;
    }
    const int first = selected.front();
    const int count = std::min(static_cast<int>(selected.size()), rows - first);
    bool dropsInUse = false;
    for (int row = rows - count; row < rows; ++row) {
        dropsInUse = dropsInUse || !IsCleared(row);
    }
    if (dropsInUse && !AskYes(tr("CH overflow\nLast channel will be deleted.").toStdString(),
                              MessageStyle::IconNone)) {
        return;
    }
    const CWaitCursor wait(Host().UserInterface());
    for (int row = rows - 1; row >= first + count; --row) {
        MoveChannel(row - count, row);
    }
    for (int row = first; row < first + count; ++row) {
        ClearRow(row);
    }
    ChannelsChanged(first, rows - 1, QT_TRANSLATE_NOOP("CZ5ChListSheet", "Insert %1 channels"),
                    count);
}

void CZ5ChListSheet::Say(const QString& text) const {
    if (CUserInterface* ui = Host().UserInterface()) {
        ui->SetStatusText(text.toStdString());
    }
}

std::vector<int> CZ5ChListSheet::SelectedRowsInUse() const {
    std::vector<int> rows = SelectedRows();
    std::erase_if(rows, [this](int row) { return !Table().IsInUse(row); });
    return rows;
}

// Ctrl+Enter in a cell editor: with several rows selected the text goes to
// all of them, else it is an Enter.
void CZ5ChListSheet::SetOnSelection(QWidget* editor) {
    if (SelectedRows().size() < 2) {
        CommitEditor();
        return;
    }
    const int column = currentIndex().column();
    const QString text = CChannelCellDelegate::EditorText(editor);
    closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    SetField(column, text);
    setFocus(Qt::OtherFocusReason);
}

void CZ5ChListSheet::SetFieldItem() {
    const std::vector<int> rows = SelectedRowsInUse();
    if (rows.empty()) {
        Say(NoneInUse());
        return;
    }
    const CListSheetCommand command(Host());
    if (!command.Entered()) {
        return;
    }
    std::vector<int> columns;
    for (int column = 1; column < GetColumnCount(); ++column) {
        if (CChannelColumns::SetsMany(column) &&
            CChannelColumns::EditsOn(column, m_area,
                                     Host().HasModelOption(z5option::kScrambler) == 1)) {
            columns.push_back(column);
        }
    }
    const int sample = rows.front();
    CSetFieldDlg dialog(
        columns, GetCurrentColumn(), static_cast<int>(rows.size()),
        [this, sample](int column) {
            return Table().index(sample, column).data(Qt::EditRole).toString();
        },
        [this, sample](int column, const QString& text) {
            return Table().RefusalForMany(sample, column, text);
        },
        this);
    if (dialog.exec() == QDialog::Accepted) {
        SetField(dialog.Column(), dialog.Text());
    }
}

// Every check is made before anything is written; a channel is written
// whole or not at all.
bool CZ5ChListSheet::SetField(int column, const QString& text) {
    const std::vector<int> selected = SelectedRows();
    const std::vector<int> inUse = SelectedRowsInUse();
    if (inUse.empty()) {
        Say(NoneInUse());
        return false;
    }
    std::vector<int> taking;
    std::vector<std::pair<int, QString>> refused;
    for (const int row : inUse) {
        const QString refusal = Table().RefusalForMany(row, column, text);
        if (refusal.isEmpty()) {
            taking.push_back(row);
        } else {
            refused.emplace_back(row, refusal);
        }
    }
    for (const int row : taking) {
        Table().WriteCell(row, column, text);
    }
    const QString title = CChannelColumns::Title(column);
    if (!taking.empty()) {
        SNodeChange change = SNodeChange::Channels(m_area, Table().ChannelOfRow(taking.front()),
                                                   Table().ChannelOfRow(taking.back()));
        const QString channels = taking.size() == 1 ? Table().ChannelName(taking.front())
                                                    : tr("%1 channels").arg(taking.size());
        change.stepName = tr("Set %1 on %2").arg(title, channels).toStdString();
        NodesChanged(change);
        const std::size_t skipped = selected.size() - inUse.size();
        Say(skipped == 0 ? tr("%1 set on %2.").arg(title, channels)
            : skipped == 1
                ? tr("%1 set on %2; 1 cleared channel is left as it is.").arg(title, channels)
                : tr("%1 set on %2; %3 cleared channels are left as they are.")
                      .arg(title, channels, QString::number(skipped)));
    }
    if (!refused.empty()) {
        Tell(RefusedText(title, text, refused, taking.empty()));
    }
    return !taking.empty();
}

// The channels that refused, grouped by reason ("CH 3, CH 7: ...").
std::string CZ5ChListSheet::RefusedText(const QString& title, const QString& text,
                                        const std::vector<std::pair<int, QString>>& refused,
                                        bool noneSet) const {
    std::vector<std::pair<QString, QStringList>> byReason;
    for (const auto& refusal : refused) {
        auto same = std::find_if(byReason.begin(), byReason.end(), [&refusal](const auto& entry) {
            return entry.first == refusal.second;
        });
        if (same == byReason.end()) {
            same = byReason.insert(byReason.end(), {refusal.second, {}});
        }
        same->second.append(Table().ChannelName(refusal.first));
    }
    QString report =
        tr("%1 \u201c%2\u201d cannot be set on these channels:").arg(title, text.left(24)) +
        QStringLiteral("\n\n");
    for (const auto& [reason, channels] : byReason) {
        report += channels.join(QStringLiteral(", ")) + QStringLiteral(": ") + reason + u'\n';
    }
    report += u'\n' + (noneSet ? tr("Nothing is set.")
                               : tr("They are left as they are; the others are set."));
    return report.toStdString();
}

void CZ5ChListSheet::SetUpHeaderSort() {
    QHeaderView* header = horizontalHeader();
    const bool sorts = m_area == kAreaMemory;
    header->setSectionsClickable(sorts);
    header->setSortIndicatorShown(sorts);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sectionClicked, this, &CZ5ChListSheet::SortByColumn);
    // Once the channels change, the order that the header shows may not
    // hold any more.
    const auto forget = [this] {
        m_headerSort = SHeaderSort();
        ShowHeaderSort();
    };
    connect(&Table(), &QAbstractItemModel::dataChanged, this, forget);
    connect(&Table(), &QAbstractItemModel::modelReset, this, forget);
}

// A click on the column by which the channels stand sorted sorts them the
// other way.
void CZ5ChListSheet::SortByColumn(int column) {
    const std::optional<z5channel::ESortKey> key = CChannelColumns::SortKey(column);
    if (!key || !SortBy(*key, m_headerSort.column == column && !m_headerSort.descending)) {
        ShowHeaderSort();
    }
}

bool CZ5ChListSheet::SortBy(z5channel::ESortKey key, bool descending) {
    if (!CChannelRowOrder::CanSort(*this) || !CommitEditor()) {
        return false;
    }
    const bool moved = CChannelRowOrder::Sort(*this, Host(), key, descending);
    if (!moved && !CChannelRowOrder::IsSorted(*this, key, descending)) {
        return false;
    }
    if (!moved) {
        Say(QCoreApplication::translate("CChannelRowOrder", CChannelRowOrder::kInOrderAlready));
    }
    for (int column = 1; column < GetColumnCount(); ++column) {
        if (CChannelColumns::SortKey(column) == key) {
            m_headerSort = {column, descending};
        }
    }
    ShowHeaderSort();
    return true;
}

void CZ5ChListSheet::ShowHeaderSort() {
    horizontalHeader()->setSortIndicator(
        m_headerSort.column, m_headerSort.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}
