#include "ui/ChannelTableModel.h"

#include <QMimeData>
#include <QRandomGenerator>
#include <array>
#include <cstdio>
#include <set>
#include <utility>

#include "document/NodeChanges.h"
#include "model/FreqNode.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"
#include "ui/ChannelColumns.h"
#include "ui/ChannelFields.h"
#include "views/ChannelGrid.h"
#include "views/ModelOptions.h"

namespace {

bool IsArea(int area) {
    return area >= kAreaMemory && area <= kAreaCall;
}

bool ShowsCleared(const CNode* channel) {
    return CChannelGrid::ShowsCleared(channel);
}

QString Megahertz(long long hertz) {
    return QString::number(static_cast<double>(hertz) / CFreqNode::kScale, 'f', 5);
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

bool CChannelTableModel::HasScrambler() const {
    return m_options.HasModelOption(z5option::kScrambler) == 1;
}

// The scrambler's column shows only with the unit.
bool CChannelTableModel::IsColumnShown(int column) const {
    return column < CChannelColumns::CountFor(HasScrambler());
}

bool CChannelTableModel::IsCellEditable(int row, int column) const {
    const CNode* channel = ChannelNode(row);
    if (channel == nullptr || column >= columnCount() ||
        !CChannelColumns::EditsOn(column, m_area, HasScrambler())) {
        return false;
    }
    return !ShowsCleared(channel) || m_area == kAreaCall || CChannelColumns::EditsCleared(column);
}

// A cleared channel's frequency starts empty.
QString CChannelTableModel::EditText(int row, int column) const {
    const CNode* channel = ChannelNode(row);
    return ShowsCleared(channel) && CChannelColumns::EditsCleared(column)
               ? QString()
               : CChannelColumns::EditText(column, *channel);
}

QString CChannelTableModel::RefusalOf(const QModelIndex& index, const QString& text) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        !IsCellEditable(index.row(), index.column())) {
        return QString();
    }
    return CChannelColumns::Refusal(index.column(), *ChannelNode(index.row()), text);
}

QString CChannelTableModel::ChannelName(int row) const {
    if (m_area == kAreaScanEdge) {
        return tr("scan edge %1").arg(RowLabel(row));
    }
    return m_area == kAreaCall ? tr("call channel") : tr("CH %1").arg(ChannelOfRow(row));
}

bool CChannelTableModel::IsInUse(int row) const {
    return !ShowsCleared(ChannelNode(row));
}

// What the area of the channel allows, then the text, then the band.
QString CChannelTableModel::RefusalForMany(int row, int column, const QString& text) const {
    const CNode* channel = ChannelNode(row);
    if (channel == nullptr) {
        return tr("There is no such channel.");
    }
    if (const QString refusal = CChannelColumns::NotEditedOn(column, m_area, HasScrambler());
        !refusal.isEmpty()) {
        return refusal;
    }
    if (const QString refusal = CChannelColumns::Refusal(column, *channel, text);
        !refusal.isEmpty()) {
        return refusal;
    }
    return CChannelColumns::ChecksBand(column) ? BandRefusal(*channel, text) : QString();
}

QString CChannelTableModel::BandRefusal(const CNode& channel, const QString& text) const {
    const long long hertz =
        channelfields::ReadTypedFrequency(&channel, z5leaf::kFreqRx, text, false).hertz;
    const int version = m_options.GetModelVersion();
    if (z5channel::IsInBand(hertz, version,
                            m_options.HasModelOption(z5option::kReceiveRange) == 1)) {
        return QString();
    }
    const std::optional<z5map::Band> band = z5map::VersionBand(version);
    return band ? tr("%1 MHz lies outside the radio's band, %2 to %3 MHz.")
                      .arg(Megahertz(hertz), Megahertz(band->low), Megahertz(band->high))
                : tr("%1 MHz lies outside the band of a radio of no known version.")
                      .arg(Megahertz(hertz));
}

QVariant CChannelTableModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::EditRole && checkIndex(index, CheckIndexOption::IndexIsValid) &&
        IsCellEditable(index.row(), index.column())) {
        return EditText(index.row(), index.column());
    }
    if (role == Qt::AccessibleDescriptionRole &&
        checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return QString::fromStdString(
            CChannelGrid::CellMeaning(ChannelNode(index.row()), index.column(), m_options));
    }
    return CListSheetModel::data(index, role);
}

bool CChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return false;
    }
    const ECellWrite written = WriteCell(index.row(), index.column(), value.toString());
    if (written == ECellWrite::Written) {
        emit ChannelEdited(index.row());
    }
    return written != ECellWrite::Refused;
}

// A cleared channel becomes a fresh channel in use before its cell is
// written; a text equal to what the cell had changes nothing.
CChannelTableModel::ECellWrite CChannelTableModel::WriteCell(int row, int column,
                                                             const QString& text) {
    if (!IsCellEditable(row, column)) {
        return ECellWrite::Refused;
    }
    CNode& channel = *ChannelNode(row);
    if (!CChannelColumns::Refusal(column, channel, text).isEmpty()) {
        return ECellWrite::Refused;
    }
    const bool cleared = ShowsCleared(&channel);
    const QString loaded = cleared ? QString() : EditText(row, column);
    if (!cleared && CChannelColumns::IsUnchanged(column, channel, text, loaded)) {
        return ECellWrite::Unchanged;
    }
    if (cleared) {
        z5channel::WriteFreshChannel(channel);
        SetNodeValue(&channel, z5leaf::kClear, 0);
    }
    CChannelColumns::Write(column, channel, text, loaded);
    return ECellWrite::Written;
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
