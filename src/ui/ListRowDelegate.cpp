#include "ui/ListRowDelegate.h"

#include <QPainter>

#include "ui/ListViewExs.h"

namespace {

constexpr int kMaxDrawnText = 260;

Qt::Alignment TextAlignment(EColumnAlign alignment) {
    switch (alignment) {
        case EColumnAlign::Right:
            return Qt::AlignRight;
        case EColumnAlign::Center:
            return Qt::AlignHCenter;
        case EColumnAlign::Left:
            break;
    }
    return Qt::AlignLeft;
}

QColor FromRgb(long rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb & 0xFFFFFF));
}

}  // namespace

CListRowDelegate::CListRowDelegate(CListViewExs* view) : QStyledItemDelegate(view), m_view(view) {}

bool CListRowDelegate::TakesEditor(QWidget*) {
    return true;
}

void CListRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const int column = index.column();
    const CListViewExs::SRowLook look = m_view->RowLook(index.row());
    QColor text = look.text;
    QColor fill = look.fill;
    if (!look.highlighted && column > 0) {
        if (m_view->ColumnTextColour(column) != kDefaultColour) {
            text = FromRgb(m_view->ColumnTextColour(column));
        }
        if (m_view->ColumnBackColour(column) != kDefaultColour) {
            fill = FromRgb(m_view->ColumnBackColour(column));
        }
    }
    painter->save();
    painter->fillRect(option.rect, fill);
    painter->setPen(text);
    painter->setFont(option.font);

    const bool label = column == 0;
    const int inset = label ? kLabelInset : kCellInset;
    const int margin = label ? kLabelMargin : kCellMargin;
    bool cut = false;
    const QString shown =
        CListViewExs::FitText(option.fontMetrics, index.data().toString().left(kMaxDrawnText),
                              option.rect.width(), margin, &cut);
    const Qt::Alignment horizontal =
        label || cut ? Qt::AlignLeft : TextAlignment(m_view->ColumnAlignment(column));
    const QRect textRect = option.rect.adjusted(inset, 0, -inset, 0);
    painter->drawText(textRect,
                      static_cast<int>(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), shown);
    painter->restore();
}
