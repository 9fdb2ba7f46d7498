// CListRowDelegate: draws the cells of a CListViewExs row: the row's
// highlight or the column's own colours, the text cut to its cell and placed
// by the column's alignment (column 0, the row label, always on the left).
#pragma once

#include <QStyledItemDelegate>

class CListViewExs;

class CListRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // view must outlive the delegate (it is the delegate's Qt parent).
    explicit CListRowDelegate(CListViewExs* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // Whether the text of an open editor may be committed. A delegate that
    // refuses it says why (Refused) and leaves the editor open with its
    // text marked. The base takes everything.
    virtual bool TakesEditor(QWidget* editor);

    // Space between a label text and its cell's edges, and the margin that
    // cutting keeps free; data cells have their own.
    static constexpr int kLabelInset = 2;
    static constexpr int kLabelMargin = 4;
    static constexpr int kCellInset = 6;
    static constexpr int kCellMargin = 12;

  signals:
    // Why an editor's text was refused (nothing was stored), for the status
    // bar; "" once a commit was taken after a refusal.
    void Refused(const QString& reason);

  private:
    CListViewExs* m_view;
};
