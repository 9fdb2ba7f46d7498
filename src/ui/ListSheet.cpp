#include "ui/ListSheet.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>
#include <iterator>
#include <string>

#include "platform/SettingsStore.h"
#include "transport/SettingsKeys.h"
#include "ui/CommandIds.h"
#include "ui/ListRowDelegate.h"
#include "ui/ListSheetHost.h"
#include "ui/ListSheetModel.h"
#include "views/ChannelGrid.h"

namespace {

std::string WidthValueName(int column) {
    return SettingsKey::NameOf(SettingsKey::kColumnWidth, column);
}

}  // namespace

CListSheet::CListSheet(const ListSheetDef& def, CListSheetHost& host, CSettingsStore& settings,
                       QWidget* parent)
    : CListSheet(def, host, settings, new CListSheetModel(def), parent) {}

CListSheet::CListSheet(const ListSheetDef& def, CListSheetHost& host, CSettingsStore& settings,
                       CListSheetModel* model, QWidget* parent)
    : CListViewExs(parent),
      m_def(def),
      m_host(host),
      m_settings(settings),
      m_widthScale(std::max(1.0, fontMetrics().horizontalAdvance(QLatin1Char('0')) /
                                     static_cast<double>(kReferenceDigitWidth))),
      m_model(model) {
    m_model->setParent(this);
    setModel(m_model);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { SaveColumnWidth(column, width); });
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last) {
                UpdateHiddenRows(first.row(), last.row());
            });
    connect(m_model, &QAbstractItemModel::modelReset, this,
            [this] { UpdateHiddenRows(0, GetItemCount() - 1); });
    RegisterEditCommands();
    Reset(def.rowCount, 0, def.columnCount);
    FollowHostChanges();
}

CListSheet::~CListSheet() = default;

void CListSheet::EditItem() {}
void CListSheet::SetFieldItem() {}
void CListSheet::CutItem() {}
void CListSheet::CopyItem() {}
void CListSheet::ClearRow(int) {}
void CListSheet::ClearItem() {}
void CListSheet::PasteItem() {}
void CListSheet::DeleteItem() {}
void CListSheet::InsertItem() {}

bool CListSheet::ClipboardHasData() const {
    return false;
}

QString CListSheet::GetTitle() const {
    const char* area = CChannelGrid::AreaTitle(m_host.GetListArea());
    return QCoreApplication::translate("z5area", area != nullptr ? area : m_def.title);
}

void CListSheet::RegisterEditCommands() {
    const auto rowSelected = [this] { return SelectedRow() >= 0; };
    // Editing needs an editable sheet; Edit Memory too, so that a sheet
    // without editors offers none.
    HandleCommand(
        Cmd::EditMemory, [this] { RunAndRefocus(&CListSheet::EditItem); },
        [=, this] { return Enabled(rowSelected() && m_editable); });
    HandleCommand(
        Cmd::EditSetField, [this] { RunAndRefocus(&CListSheet::SetFieldItem); },
        [=, this] { return Enabled(rowSelected() && m_editable); });
    HandleCommand(
        Cmd::EditCut, [this] { RunAndRefocus(&CListSheet::CutItem); },
        [this] { return Enabled(CanClearDeleteInsert()); });
    HandleCommand(
        Cmd::EditCopy, [this] { RunAndRefocus(&CListSheet::CopyItem); },
        [=, this] { return Enabled(rowSelected() && m_editable); });
    HandleCommand(
        Cmd::EditPaste, [this] { RunAndRefocus(&CListSheet::PasteItem); },
        [=, this] { return Enabled(ClipboardHasData() && rowSelected() && m_editable); });
    HandleCommand(
        Cmd::EditClear, [this] { RunAndRefocus(&CListSheet::ClearItem); },
        [this] { return Enabled(CanClearDeleteInsert()); });
    HandleCommand(
        Cmd::EditDelete, [this] { RunAndRefocus(&CListSheet::DeleteItem); },
        [this] { return Enabled(CanClearDeleteInsert()); });
    HandleCommand(
        Cmd::EditInsert, [this] { RunAndRefocus(&CListSheet::InsertItem); },
        [this] { return Enabled(CanClearDeleteInsert()); });
    HandleCommand(
        Cmd::EditSelectAll,
        [this] {
            selectAll();
            KeepSelectionShown();
            m_host.FocusList();
        },
        [this] { return Enabled(NearestShownRow(0) >= 0); });
}

void CListSheet::RunAndRefocus(void (CListSheet::*operation)()) {
    (this->*operation)();
    m_host.FocusList();
}

// The call channel cannot be cleared, deleted or moved.
bool CListSheet::CanClearDeleteInsert() const {
    return m_host.GetListArea() != kAreaCall && SelectedRow() >= 0 && m_editable;
}

int CListSheet::ScaledWidth(int width) const {
    return static_cast<int>(width * m_widthScale + 0.5);
}

// A column the user never sized is as wide as its default or its title in
// the user's language, whichever is wider; a width the user chose stays.
int CListSheet::StoredColumnWidth(int column) const {
    const ListColumnDef& def = m_def.columns[column];
    const int title = horizontalHeader()->sectionSizeHint(column);
    const int fallback = std::max(ScaledWidth(def.defaultWidth), title);
    const int stored = m_settings.GetInt(m_def.registrySection, WidthValueName(column), fallback);
    return std::min(std::max(stored, ScaledWidth(def.minWidth)),
                    std::max(ScaledWidth(def.maxWidth), title));
}

void CListSheet::SaveColumnWidth(int column, int width) {
    if (!m_resetting) {
        m_settings.SetInt(m_def.registrySection, WidthValueName(column), width);
    }
}

void CListSheet::Reset(int rows, int channelOffset, int columns) {
    const std::vector<int> remembered = SelectedRows();
    const int current = currentIndex().row();
    m_resetting = true;
    m_model->SetShape(rows, columns, channelOffset);
    const int columnCount = GetColumnCount();
    std::vector<int> widths;
    for (int column = 0; column < columnCount; ++column) {
        widths.push_back(StoredColumnWidth(column));
    }
    SetColumnLooks(m_def.columns.first(static_cast<size_t>(columnCount)), widths);
    m_resetting = false;
    m_currentColumn = std::clamp(m_currentColumn, 1, std::max(1, columnCount - 1));
    RestoreSelection(remembered, current);
    KeepSelectionShown();
}

// The rows that still exist stay selected, the current one current if it
// is among them; with none of them left, row 0 alone.
void CListSheet::RestoreSelection(const std::vector<int>& rows, int current) {
    std::vector<int> kept;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(kept),
                 [this](int row) { return row >= 0 && row < GetItemCount(); });
    if (kept.empty()) {
        SelectRow(0);
        return;
    }
    SelectRow(std::find(kept.begin(), kept.end(), current) != kept.end() ? current : kept.front());
    QItemSelection selection;
    for (const int row : kept) {
        selection.select(model()->index(row, 0), model()->index(row, GetColumnCount() - 1));
    }
    selectionModel()->select(selection,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QWidget* CListSheet::OpenEditor() const {
    return state() == QAbstractItemView::EditingState ? indexWidget(currentIndex()) : nullptr;
}

bool CListSheet::EditorHasFocus() const {
    const QWidget* editor = OpenEditor();
    const QWidget* focus = QApplication::focusWidget();
    return editor != nullptr && focus != nullptr &&
           (focus == editor || editor->isAncestorOf(focus));
}

bool CListSheet::CommitEditor() {
    QWidget* editor = OpenEditor();
    if (editor == nullptr) {
        return true;
    }
    auto* rows = qobject_cast<CListRowDelegate*>(itemDelegateForIndex(currentIndex()));
    if (rows != nullptr && !rows->TakesEditor(editor)) {
        return false;
    }
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

int CListSheet::GetChannelOffset() const {
    return m_model->ChannelOffset();
}

void CListSheet::FollowHostChanges() {
    CNodeChanges* changes = m_host.NodeChanges();
    m_following =
        changes != nullptr
            ? changes->Subscribe([this](const SNodeChange& change) { FollowChange(change); })
            : CNodeChanges::CSubscription();
}

void CListSheet::FollowChange(const SNodeChange& change) {
    if (change.everything) {
        RefreshAll();
    } else {
        m_model->FollowChange(change);
    }
}

void CListSheet::NodesChanged(const SNodeChange& change) {
    m_host.NodesChanged(change);
}

void CListSheet::RefreshAll() {
    m_model->AllRowsChanged();
    const int selected = SelectedRow();
    if (selected >= 0) {
        scrollTo(model()->index(selected, 0));
    }
}

void CListSheet::RefreshRow(int row) {
    m_model->RowsChanged(row, row);
}

void CListSheet::RepaintRow(int row) {
    viewport()->update(QRect(0, rowViewportPosition(row), viewport()->width(), rowHeight(row)));
}

void CListSheet::SelectRow(int row) {
    if (row < 0 || row >= GetItemCount()) {
        return;
    }
    // The view's own way, so that Shift with a key or a click extends from
    // this row later; it would extend the selection now if Shift were held
    // (a command given with Shift+F3), which selectionCommand prevents.
    const QModelIndex index = model()->index(row, 0);
    m_selectingOneRow = true;
    setCurrentIndex(index);
    m_selectingOneRow = false;
    scrollTo(index);
}

QItemSelectionModel::SelectionFlags CListSheet::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
    if (m_selectingOneRow) {
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    }
    return CListViewExs::selectionCommand(index, event);
}

int CListSheet::SelectedRow() const {
    const std::vector<int> rows = SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

std::vector<int> CListSheet::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        if (!isRowHidden(index.row())) {
            rows.push_back(index.row());
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool CListSheet::IsRowInUse(int) const {
    return true;
}

void CListSheet::SetRowsInUseOnly(bool inUseOnly) {
    m_inUseOnly = inUseOnly;
    UpdateHiddenRows(0, GetItemCount() - 1);
}

// Rows first..last are hidden or shown as the data says now.
void CListSheet::UpdateHiddenRows(int first, int last) {
    if (!m_inUseOnly && !m_hidesRows) {
        return;
    }
    first = std::max(first, 0);
    last = std::min(last, GetItemCount() - 1);
    for (int row = first; row <= last; ++row) {
        setRowHidden(row, m_inUseOnly && !IsRowInUse(row));
    }
    m_hidesRows = m_inUseOnly;
    KeepSelectionShown();
}

// A selection whose rows are all hidden goes to the shown row nearest to
// the current one; a current row that is hidden moves to the first shown
// selected row.
void CListSheet::KeepSelectionShown() {
    if (!m_hidesRows) {
        return;
    }
    const std::vector<int> shown = SelectedRows();
    const int current = currentIndex().row();
    if (shown.empty()) {
        SelectRow(NearestShownRow(std::max(current, 0)));
    } else if (current < 0 || isRowHidden(current)) {
        selectionModel()->setCurrentIndex(
            model()->index(shown.front(), std::max(currentIndex().column(), 0)),
            QItemSelectionModel::NoUpdate);
    }
}

// The first shown row from row on, else the last one before it; -1 when no
// row is shown.
int CListSheet::NearestShownRow(int row) const {
    for (int next = std::max(row, 0); next < GetItemCount(); ++next) {
        if (!isRowHidden(next)) {
            return next;
        }
    }
    for (int previous = std::min(row, GetItemCount()) - 1; previous >= 0; --previous) {
        if (!isRowHidden(previous)) {
            return previous;
        }
    }
    return -1;
}

// Tab leaves the grid for the tree instead of moving between cells.
bool CListSheet::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            m_host.FocusTree();
            return true;
        }
    }
    return CListViewExs::event(event);
}

// Keys a cell editor leaves to its parents (Enter, which commits it, among
// them) do nothing while a cell is edited.
void CListSheet::keyPressEvent(QKeyEvent* event) {
    if (state() == QAbstractItemView::EditingState) {
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (SelectedRow() >= 0 && m_editable) {
                EditItem();
            }
            m_host.FocusList();
            return;
        case Qt::Key_F2:
            if (SelectedRow() >= 0 && m_editable &&
                !EditCell(SelectedRow(), m_currentColumn, nullptr)) {
                EditItem();
            }
            return;
        case Qt::Key_F10:
            if (event->modifiers() == Qt::ShiftModifier) {
                ShowContextMenuAt(mapToGlobal(QPoint(0, 0)));
                return;
            }
            break;
        case Qt::Key_Left:
            MoveCurrentColumn(-1);
            return;
        case Qt::Key_Right:
            MoveCurrentColumn(+1);
            return;
        default:
            break;
    }
    if (!StartsTyping(*event) || !EditCell(SelectedRow(), m_currentColumn, event)) {
        CListViewExs::keyPressEvent(event);
    }
}

// A printable character without Ctrl, Alt or Meta starts editing the cell.
bool CListSheet::StartsTyping(const QKeyEvent& event) {
    const QString text = event.text();
    return !text.isEmpty() && text.front().isPrint() &&
           (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

bool CListSheet::EditCell(int row, int column, QKeyEvent* typed) {
    const QModelIndex cell = model()->index(row, column);
    if (!m_editable || !cell.isValid() || !cell.flags().testFlag(Qt::ItemIsEditable)) {
        return false;
    }
    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
    if (!edit(cell, QAbstractItemView::AllEditTriggers, nullptr)) {
        return false;
    }
    QWidget* editor = indexWidget(cell);
    if (typed != nullptr && editor != nullptr) {
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->clear();
        }
        QKeyEvent copy(typed->type(), typed->key(), typed->modifiers(), typed->text());
        QCoreApplication::sendEvent(editor, &copy);
    }
    return true;
}

// Columns 1..last wrap around; the row label is never current.
void CListSheet::MoveCurrentColumn(int step) {
    const int last = GetColumnCount() - 1;
    if (last < 1) {
        return;
    }
    int column = m_currentColumn + step;
    if (column < 1) {
        column = last;
    } else if (column > last) {
        column = 1;
    }
    m_currentColumn = column;
    const int selected = SelectedRow();
    if (selected >= 0) {
        RepaintRow(selected);
    }
}

void CListSheet::SetCurrentColumnAt(int x) {
    const int column = columnAt(x);
    if (column >= 0) {
        m_currentColumn = std::max(column, 1);
    }
}

// A press below the last row is swallowed, and a right press never reaches
// the grid. A left press leaves the selection to the grid (Shift, Ctrl, a
// press on a selected row) unless selectAlone; a right press selects its
// row alone unless that row is selected. Returns true when the press was
// taken here.
bool CListSheet::HandleButtonPress(QMouseEvent* event, bool selectAlone) {
    if (!hasFocus()) {
        m_host.FocusList();
    }
    const int row = rowAt(event->position().toPoint().y());
    if (row < 0) {
        return true;
    }
    const bool left = event->button() == Qt::LeftButton;
    if (selectAlone || (!left && !selectionModel()->isRowSelected(row, {}))) {
        SelectRow(row);
    }
    if (left) {
        SetCurrentColumnAt(event->position().toPoint().x());
        RepaintRow(row);
        return false;
    }
    return true;
}

void CListSheet::mousePressEvent(QMouseEvent* event) {
    if (!HandleButtonPress(event, false)) {
        CListViewExs::mousePressEvent(event);
    }
}

void CListSheet::mouseDoubleClickEvent(QMouseEvent* event) {
    if (HandleButtonPress(event, true)) {
        return;
    }
    const int column = columnAt(event->position().toPoint().x());
    if (column > 0 && EditCell(SelectedRow(), column, nullptr)) {
        return;
    }
    if (m_editable) {
        EditItem();
    }
    m_host.FocusList();
}

// From the keyboard the menu opens at the top-left corner of the grid.
void CListSheet::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse) {
        SetCurrentColumnAt(event->pos().x());
        ShowContextMenuAt(event->globalPos());
    } else {
        ShowContextMenuAt(mapToGlobal(QPoint(0, 0)));
    }
}

void CListSheet::ShowContextMenuAt(const QPoint& globalPos) {
    if (SelectedRow() >= 0 && m_def.contextMenuId != 0) {
        m_host.ShowContextMenu(m_def.contextMenuId, globalPos);
    }
}

QModelIndex CListSheet::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const int row = action == MoveHome  ? NearestShownRow(0)
                    : action == MoveEnd ? NearestShownRow(GetItemCount())
                                        : -1;
    if ((action == MoveHome || action == MoveEnd) && row >= 0) {
        return model()->index(row, std::max(currentIndex().column(), 0));
    }
    return CListViewExs::moveCursor(action, modifiers);
}

void CListSheet::showEvent(QShowEvent* event) {
    CListViewExs::showEvent(event);
    if (!m_shownOnce && GetItemCount() > 0) {
        m_shownOnce = true;
        scrollTo(model()->index(0, 0));
    }
}
