#include "ui/ChannelTableModel.h"

#include <QMimeData>
#include <QRandomGenerator>
#include <array>
#include <cstdio>
#include <set>
#include <utility>

#include "document/NodeChanges.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"
#include "ui/ChannelFields.h"
#include "ui/Z5ChListSheet.h"
#include "views/ChannelGrid.h"
#include "views/ModelOptions.h"

namespace {

bool IsArea(int area) {
    return area >= kAreaMemory && area <= kAreaCall;
}

bool ShowsCleared(const CNode* channel) {
    return CChannelGrid::ShowsCleared(channel);
}

using ECellEditor = CChannelTableModel::ECellEditor;

// How each column edits, and the leaf it edits.
struct SCellEdit {
    ECellEditor editor;
    const char* leaf;
};
constexpr std::array<SCellEdit, 16> kCellEdits = {{
    {ECellEditor::None, nullptr},
    {ECellEditor::Frequency, z5leaf::kFreqRx},
    {ECellEditor::List, z5leaf::kDuplex},
    {ECellEditor::List, z5leaf::kDupRev},
    {ECellEditor::Frequency, z5leaf::kFreqOw},
    {ECellEditor::Name, z5leaf::kName},
    {ECellEditor::List, z5leaf::kToneSet},
    {ECellEditor::List, z5leaf::kToneCode},
    {ECellEditor::List, z5leaf::kTsqlCode},
    {ECellEditor::List, z5leaf::kDtcsCode},
    {ECellEditor::List, z5leaf::kAniSet},
    {ECellEditor::List, z5leaf::kAniCode},
    {ECellEditor::List, z5leaf::kSkip},
    {ECellEditor::List, z5leaf::kTxPower},
    {ECellEditor::List, z5leaf::kTxInhibit},
    {ECellEditor::List, z5leaf::kScrmCode},
}};
constexpr int kFrequencyColumn = 1;
constexpr int kDtcsColumn = 9;
constexpr int kSkipColumn = 12;
const QString kScramblerOff = QStringLiteral("OFF");
const QString kNormalPolarity = QStringLiteral("N");
const QString kInversePolarity = QStringLiteral("i");

QStringList LeafChoices(const char* leaf) {
    QStringList texts;
    for (const std::string& text : z5map::ChoiceTexts(z5area::kMemory, leaf)) {
        texts.append(QString::fromStdString(text));
    }
    return texts;
}

// The DTCS column shows and edits the code with its polarity.
QStringList DtcsChoices() {
    QStringList texts;
    for (const QString& code : LeafChoices(z5leaf::kDtcsCode)) {
        texts.append(code + kNormalPolarity);
        texts.append(code + kInversePolarity);
    }
    return texts;
}

void WriteDtcs(CNode& channel, const QString& text) {
    SetNodeText(&channel, z5leaf::kDtcsCode, text.chopped(1).toStdString());
    SetNodeValue(&channel, z5leaf::kDtcsInv, text.endsWith(kInversePolarity) ? 1 : 0);
}

// The scrambler column: "OFF", or the code of a scrambler that is on.
void WriteScrambler(CNode& channel, const QString& text) {
    if (text == kScramblerOff) {
        SetNodeValue(&channel, z5leaf::kScrmSet, 0);
        return;
    }
    SetNodeValue(&channel, z5leaf::kScrmSet, 1);
    SetNodeText(&channel, z5leaf::kScrmCode, text.toStdString());
}

}  // namespace

CChannelTableModel::CChannelTableModel(const ListSheetDef& def, int area,
                                       const CModelOptions& options, QObject* parent)
    : CListSheetModel(def, parent), m_area(IsArea(area) ? area : kAreaMemory), m_options(options) {}

CChannelTableModel::~CChannelTableModel() = default;

int CChannelTableModel::RowsOfArea(int area) {
    return CChannelGrid::RowsOfArea(area);
}

QString CChannelTableModel::RowLabel(int row) const {
    return QString::fromStdString(CChannelGrid::RowLabel(m_area, row));
}

std::string CChannelTableModel::ChannelPath(int row) const {
    return CChannelGrid::ChannelPath(m_area, ChannelOfRow(row));
}

CNode* CChannelTableModel::ChannelNode(int row) const {
    return row >= 0 && row < rowCount() ? CNode::ResolvePath(ChannelPath(row)) : nullptr;
}

std::vector<CNode*> CChannelTableModel::ChannelNodes() const {
    std::vector<CNode*> channels;
    for (int row = 0; row < rowCount(); ++row) {
        channels.push_back(ChannelNode(row));
    }
    return channels;
}

QString CChannelTableModel::CellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return QString();
    }
    if (column == 0) {
        return RowLabel(row);
    }
    return QString::fromStdString(CChannelGrid::CellText(ChannelNode(row), column, m_options));
}

void CChannelTableModel::FollowChange(const SNodeChange& change) {
    if (change.everything) {
        AllRowsChanged();
    } else if (change.area == m_area) {
        RowsChanged(RowOfChannel(change.firstChannel), RowOfChannel(change.lastChannel));
    }
}

CChannelTableModel::ECellEditor CChannelTableModel::CellEditor(int column) {
    return column >= 0 && column < static_cast<int>(kCellEdits.size())
               ? kCellEdits[static_cast<size_t>(column)].editor
               : ECellEditor::None;
}

QStringList CChannelTableModel::CellChoices(int column) const {
    if (CellEditor(column) != ECellEditor::List) {
        return {};
    }
    if (column == kDtcsColumn) {
        return DtcsChoices();
    }
    QStringList texts = LeafChoices(kCellEdits[static_cast<size_t>(column)].leaf);
    if (column == kScramblerColumn) {
        texts.prepend(kScramblerOff);
    }
    return texts;
}

bool CChannelTableModel::IsCellEditable(int row, int column) const {
    const CNode* channel = ChannelNode(row);
    if (channel == nullptr || column >= columnCount() || CellEditor(column) == ECellEditor::None) {
        return false;
    }
    if ((column == kSkipColumn && m_area != kAreaMemory) ||
        (column == kScramblerColumn && m_options.HasModelOption(z5option::kScrambler) != 1)) {
        return false;
    }
    return !ShowsCleared(channel) || m_area == kAreaCall || column == kFrequencyColumn;
}

// The DTCS and scrambler columns edit what they show; a list edits its
// leaf's choice text.
QString CChannelTableModel::EditText(int row, int column) const {
    const CNode* channel = ChannelNode(row);
    const char* leaf = kCellEdits[static_cast<size_t>(column)].leaf;
    switch (CellEditor(column)) {
        case ECellEditor::Frequency:
            return ShowsCleared(channel) && column == kFrequencyColumn
                       ? QString()
                       : QString::fromStdString(GetNodeFreq(channel, leaf));
        case ECellEditor::Name:
            return QString::fromStdString(GetNodeString(channel, leaf));
        case ECellEditor::List:
            if (column == kDtcsColumn || column == kScramblerColumn) {
                return QString::fromStdString(CChannelGrid::LeafText(channel, column));
            }
            return QString::fromStdString(GetNodeText(channel, leaf));
        case ECellEditor::None:
            break;
    }
    return QString();
}

bool CChannelTableModel::AcceptsCell(const CNode& channel, int column, const QString& text) const {
    const char* leaf = kCellEdits[static_cast<size_t>(column)].leaf;
    switch (CellEditor(column)) {
        case ECellEditor::Frequency:
            return channelfields::ReadTypedFrequency(&channel, leaf, text, false).accepted;
        case ECellEditor::Name:
            return true;
        case ECellEditor::List:
            return CellChoices(column).contains(text);
        case ECellEditor::None:
            break;
    }
    return false;
}

// A frequency is unchanged when it reads as the same value ("145,5" for
// "145.50000"); other cells when they hold the same text.
bool CChannelTableModel::IsUnchanged(const CNode& channel, int column, const QString& text,
                                     const QString& loaded) const {
    if (CellEditor(column) != ECellEditor::Frequency) {
        return text == loaded;
    }
    const char* leaf = kCellEdits[static_cast<size_t>(column)].leaf;
    return !channelfields::ChangesLoaded(
        &channel, leaf, channelfields::ReadTypedFrequency(&channel, leaf, text, false), loaded);
}

QString CChannelTableModel::RefusalOf(const QModelIndex& index, const QString& text) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        !IsCellEditable(index.row(), index.column()) ||
        CellEditor(index.column()) != ECellEditor::Frequency) {
        return QString();
    }
    const char* leaf = kCellEdits[static_cast<size_t>(index.column())].leaf;
    return channelfields::ReadTypedFrequency(ChannelNode(index.row()), leaf, text, false).reason;
}

QVariant CChannelTableModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::EditRole && checkIndex(index, CheckIndexOption::IndexIsValid) &&
        IsCellEditable(index.row(), index.column())) {
        return EditText(index.row(), index.column());
    }
    return CListSheetModel::data(index, role);
}

// A cleared channel becomes a fresh channel in use before its cell is
// written; a text equal to what the cell had changes nothing.
bool CChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int row = index.row();
    const int column = index.column();
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid) ||
        !IsCellEditable(row, column)) {
        return false;
    }
    CNode& channel = *ChannelNode(row);
    const QString text = value.toString();
    if (!AcceptsCell(channel, column, text)) {
        return false;
    }
    const bool cleared = ShowsCleared(&channel);
    const QString loaded = cleared ? QString() : EditText(row, column);
    if (!cleared && IsUnchanged(channel, column, text, loaded)) {
        return true;
    }
    if (cleared) {
        z5channel::WriteFreshChannel(channel);
        SetNodeValue(&channel, z5leaf::kClear, 0);
    }
    const char* leaf = kCellEdits[static_cast<size_t>(column)].leaf;
    if (CellEditor(column) == ECellEditor::Frequency) {
        channelfields::StoreTypedFrequency(
            &channel, leaf, channelfields::ReadTypedFrequency(&channel, leaf, text, false), loaded);
    } else if (CellEditor(column) == ECellEditor::Name) {
        channelfields::StoreTypedName(&channel, text);
    } else if (column == kDtcsColumn) {
        WriteDtcs(channel, text);
    } else if (column == kScramblerColumn) {
        WriteScrambler(channel, text);
    } else {
        SetNodeText(&channel, leaf, text.toStdString());
    }
    emit ChannelEdited(row);
    return true;
}

// Rows drag; the rows themselves take no drop, so that a drop falls
// between rows (onto the table).
Qt::ItemFlags CChannelTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = CListSheetModel::flags(index);
    if (!index.isValid()) {
        return MovesRows() ? flags | Qt::ItemIsDropEnabled : flags;
    }
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return flags;
    }
    if (IsCellEditable(index.row(), index.column())) {
        flags |= Qt::ItemIsEditable;
    }
    return MovesRows() ? flags | Qt::ItemIsDragEnabled : flags;
}

void CChannelTableModel::SetRowMover(RowMover mover) {
    m_rowMover = std::move(mover);
}

bool CChannelTableModel::MovesRows() const {
    return m_rowMover && m_area != kAreaCall;
}

Qt::DropActions CChannelTableModel::supportedDragActions() const {
    return MovesRows() ? Qt::MoveAction : Qt::IgnoreAction;
}

Qt::DropActions CChannelTableModel::supportedDropActions() const {
    return supportedDragActions();
}

QStringList CChannelTableModel::mimeTypes() const {
    return {QString::fromLatin1(kRowsMimeType)};
}

QMimeData* CChannelTableModel::mimeData(const QModelIndexList& indexes) const {
    std::set<int> rows;
    for (const QModelIndex& index : indexes) {
        if (checkIndex(index, CheckIndexOption::IndexIsValid)) {
            rows.insert(index.row());
        }
    }
    if (!MovesRows() || rows.empty()) {
        return nullptr;
    }
    m_drag.token = QRandomGenerator::system()->generate64() | 1;
    m_drag.rows.assign(rows.begin(), rows.end());
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kRowsMimeType), QByteArray::number(m_drag.token, 16));
    return data;
}

bool CChannelTableModel::IsOurDrag(const QMimeData* data, Qt::DropAction action) const {
    if (data == nullptr || action != Qt::MoveAction || !MovesRows() || m_drag.token == 0) {
        return false;
    }
    bool number = false;
    const std::uint64_t token =
        data->data(QString::fromLatin1(kRowsMimeType)).toULongLong(&number, 16);
    return number && token == m_drag.token;
}

bool CChannelTableModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int,
                                         const QModelIndex&) const {
    return IsOurDrag(data, action);
}

bool CChannelTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                      const QModelIndex& parent) {
    if (!IsOurDrag(data, action)) {
        return false;
    }
    const std::vector<int> rows = std::exchange(m_drag, SDrag()).rows;
    int before = rowCount();
    if (row >= 0 && row <= rowCount() && !parent.isValid()) {
        before = row;
    } else if (checkIndex(parent, CheckIndexOption::IndexIsValid)) {
        before = parent.row();
    }
    return m_rowMover(rows, before);
}

bool CChannelTableModel::removeRows(int, int, const QModelIndex&) {
    return false;
}
