#include "ui/ListViewExs.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "ui/ListRowDelegate.h"

namespace {

const QString kEllipsis = QStringLiteral("...");

}  // namespace

CListViewExs::CListViewExs(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new CListRowDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
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
    } else if (hasFocus()) {
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

QString CListViewExs::GetCellText(int row, int column) const {
    return model() != nullptr ? model()->index(row, column).data().toString() : QString();
}

int CListViewExs::GetItemCount() const {
    return model() != nullptr ? model()->rowCount() : 0;
}

int CListViewExs::GetColumnCount() const {
    return model() != nullptr ? model()->columnCount() : 0;
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

void CListViewExs::SetColumnLooks(std::span<const ListColumnDef> columns,
                                  const std::vector<int>& widths) {
    m_columnLooks.clear();
    for (size_t i = 0; i < columns.size(); ++i) {
        const ListColumnDef& column = columns[i];
        m_columnLooks.push_back({column.alignment, column.textColour, column.backColour});
        if (i < widths.size()) {
            horizontalHeader()->resizeSection(static_cast<int>(i), widths[i]);
        }
    }
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
