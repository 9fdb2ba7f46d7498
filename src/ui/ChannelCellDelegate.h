// CChannelCellDelegate: draws the cells of a channel grid as every list row
// does, and makes the editor that fits a cell of a CChannelTableModel
// (MakeEditor): a line edit for the frequency and the offset, a name edit
// (the characters a name may hold, at most its length), and a drop-down list
// of the column's choices for every other column. The editor starts with the
// model's Qt::EditRole text and gives its text back with setData; the model
// decides what it stores.
//
// A text the model refuses (a frequency that is no frequency,
// CChannelTableModel::RefusalOf) is not committed: Enter and Tab leave the
// editor open with its text marked and say why (Refused); an editor closed
// otherwise (the focus went elsewhere) stores nothing and says why too.
// Ctrl+Enter with a text the model takes commits nothing itself: it asks
// the sheet to give the text to the selected rows (SetOnSelection).
#pragma once

#include <QPersistentModelIndex>

#include "ui/ListRowDelegate.h"

class CChannelCellDelegate : public CListRowDelegate {
    Q_OBJECT
  public:
    explicit CChannelCellDelegate(CListViewExs* view);

    // The editor of a column of the channel catalogue, owned by parent;
    // nullptr for a column that does not edit.
    static QWidget* MakeEditor(int column, QWidget* parent);
    // The text of such an editor: the line's text, the list's current one.
    static QString EditorText(const QWidget* editor);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    bool TakesEditor(QWidget* editor) override;

  signals:
    // Ctrl+Enter in editor, whose text the model takes.
    void SetOnSelection(QWidget* editor);

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    // Why the model refuses the text of the editor, told (and a reason told
    // before taken back once the text is taken); "" when it takes it.
    QString Check(QWidget* editor);

    // The cell of the editor made last (one cell edits at a time).
    mutable QPersistentModelIndex m_editing;
    // A refusal is shown in the status bar.
    bool m_told = false;
};
