#include "ui/ListViewExs.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionFocusRect>

#include "ui/ListRowDelegate.h"

namespace {

constexpr int kMaxCellText = 512;
const QString kEllipsis = QStringLiteral("...");

Qt::Alignment HeaderAlignment(EColumnAlign alignment) {
    switch (alignment) {
        case EColumnAlign::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case EColumnAlign::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case EColumnAlign::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

CListViewExs::CListViewExs(QWidget* parent)
    : QTableView(parent), m_cells(new QStandardItemModel(this)) {
    setModel(m_cells);
    setItemDelegate(new CListRowDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
}

CListViewExs::~CListViewExs() = default;

CListViewExs::SRowLook CListViewExs::RowLook(int row) const {
    SRowLook look;
    const QPalette& colours = palette();
    look.highlighted = selectionModel() != nullptr && selectionModel()->isRowSelected(row, {});
    if (!look.highlighted) {
        look.text = colours.color(QPalette::Text);
        look.fill = colours.color(QPalette::Base);
    } else if (hasFocus() && currentIndex().row() == row) {
        look.text = colours.color(QPalette::HighlightedText);
        look.fill = colours.color(QPalette::Highlight);
    } else {
        look.text = colours.color(QPalette::ButtonText);
        look.fill = colours.color(QPalette::Button);
    }
    return look;
}

long CListViewExs::ColumnTextColour(int column) const {
    return column >= 0 && column < static_cast<int>(m_columnLooks.size())
               ? m_columnLooks[column].text
               : kDefaultColour;
}

long CListViewExs::ColumnBackColour(int column) const {
    return column >= 0 && column < static_cast<int>(m_columnLooks.size())
               ? m_columnLooks[column].back
               : kDefaultColour;
}

EColumnAlign CListViewExs::ColumnAlignment(int column) const {
    return column >= 0 && column < static_cast<int>(m_columnLooks.size())
               ? m_columnLooks[column].alignment
               : EColumnAlign::Left;
}

void CListViewExs::SetCellText(int row, int column, const QString& text) {
    if (row < 0 || row >= GetItemCount() || column < 0 || column >= GetColumnCount()) {
        return;
    }
    const QString kept = text.left(kMaxCellText);
    const QModelIndex index = m_cells->index(row, column);
    if (m_cells->data(index).toString() != kept) {
        m_cells->setData(index, kept);
    }
}

QString CListViewExs::GetCellText(int row, int column) const {
    return m_cells->data(m_cells->index(row, column)).toString();
}

int CListViewExs::GetItemCount() const {
    return m_cells->rowCount();
}

int CListViewExs::GetColumnCount() const {
    return m_cells->columnCount();
}

QString CListViewExs::FitText(const QFontMetrics& metrics, const QString& text, int width,
                              int margin, bool* cut) {
    if (cut != nullptr) {
        *cut = false;
    }
    if (metrics.horizontalAdvance(text) + margin <= width) {
        return text;
    }
    const int ellipsisWidth = metrics.horizontalAdvance(kEllipsis);
    QString rest = text;
    while (rest.size() > 1 && metrics.horizontalAdvance(rest) + ellipsisWidth + margin > width) {
        rest.chop(1);
    }
    if (cut != nullptr) {
        *cut = true;
    }
    return rest + kEllipsis;
}

void CListViewExs::RebuildColumns(std::span<const ListColumnDef> columns,
                                  const std::vector<int>& widths) {
    m_cells->clear();
    m_cells->setColumnCount(static_cast<int>(columns.size()));
    m_columnLooks.clear();
    for (size_t i = 0; i < columns.size(); ++i) {
        const ListColumnDef& column = columns[i];
        const int section = static_cast<int>(i);
        m_cells->setHeaderData(section, Qt::Horizontal, QString::fromUtf8(column.title));
        m_cells->setHeaderData(section, Qt::Horizontal,
                               QVariant::fromValue(HeaderAlignment(
                                   section == 0 ? EColumnAlign::Left : column.alignment)),
                               Qt::TextAlignmentRole);
        m_columnLooks.push_back({column.alignment, column.textColour, column.backColour});
        if (i < widths.size()) {
            horizontalHeader()->resizeSection(section, widths[i]);
        }
    }
}

void CListViewExs::InsertEmptyRows(int rows) {
    m_cells->setRowCount(rows > 0 ? rows : 0);
}

void CListViewExs::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    QPainter painter(viewport());
    const QModelIndexList rows =
        selectionModel() != nullptr ? selectionModel()->selectedRows() : QModelIndexList{};
    for (const QModelIndex& index : rows) {
        PaintRowBeyondColumns(painter, index.row());
    }
    if (hasFocus() && currentIndex().isValid()) {
        PaintFocusRect(painter, currentIndex().row());
    }
}

// A highlighted row reaches the right edge of the window, past its last
// column.
void CListViewExs::PaintRowBeyondColumns(QPainter& painter, int row) {
    const int columns = GetColumnCount();
    if (columns == 0) {
        return;
    }
    const int right = columnViewportPosition(columns - 1) + columnWidth(columns - 1);
    const QRect rowRect(right, rowViewportPosition(row), viewport()->width() - right,
                        rowHeight(row));
    if (rowRect.width() > 0) {
        painter.fillRect(rowRect, RowLook(row).fill);
    }
}

void CListViewExs::PaintFocusRect(QPainter& painter, int row) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = QRect(0, rowViewportPosition(row), viewport()->width(), rowHeight(row));
    option.backgroundColor = RowLook(row).fill;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

// The highlight colours follow the focus: repaint the whole grid.
void CListViewExs::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    viewport()->update();
}

void CListViewExs::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    viewport()->update();
}
