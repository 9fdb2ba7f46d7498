// CListViewExs: a grid of text cells that draws its rows itself, as a report
// list does: whole rows are highlighted (to the right edge of the window),
// each column has its own alignment and optional colours, and a text too
// wide for its cell is cut and ended with "...". Rows are selected as on
// any desktop: a click selects one row, Shift and Ctrl with a click or the
// arrow keys select several, Ctrl+A all.
//
// The view keeps no texts: it shows the table model it is given (setModel),
// whose Qt::DisplayRole is a cell's text. It owns its row delegate; the
// model is owned by whoever made it.
#pragma once

#include <QColor>
#include <QString>
#include <QTableView>
#include <vector>

#include "views/ListSheetDef.h"

class QFontMetrics;

class CListViewExs : public QTableView {
    Q_OBJECT
  public:
    explicit CListViewExs(QWidget* parent = nullptr);
    ~CListViewExs() override;

    // The colours and fill of a row as it is drawn now: every selected row
    // in the highlight colours while the grid has the focus, in the button
    // colours when not.
    struct SRowLook {
        bool highlighted = false;
        QColor text;
        QColor fill;
    };
    SRowLook RowLook(int row) const;

    // A column's own text and background colours (kDefaultColour: the list's).
    long ColumnTextColour(int column) const;
    long ColumnBackColour(int column) const;
    EColumnAlign ColumnAlignment(int column) const;

    // The text the model gives a cell; empty out of range or without a
    // model.
    QString GetCellText(int row, int column) const;

    // Number of rows and columns of the grid (0 without a model).
    int GetItemCount() const;
    int GetColumnCount() const;

    // The text cut to fit width pixels with margin: unchanged when its width
    // plus margin fits; otherwise characters are taken off its end until the
    // rest plus "..." plus margin fits (or one character is left) and "..."
    // is appended. cut (optional) tells whether the text was cut.
    static QString FitText(const QFontMetrics& metrics, const QString& text, int width, int margin,
                           bool* cut = nullptr);

  protected:
    // The looks (alignment, colours) and widths of the model's columns, from
    // the given definitions; call it after the model changed its columns.
    void SetColumnLooks(std::span<const ListColumnDef> columns, const std::vector<int>& widths);

    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    struct SColumnLook {
        EColumnAlign alignment = EColumnAlign::Left;
        long text = kDefaultColour;
        long back = kDefaultColour;
    };

    void PaintRowBeyondColumns(QPainter& painter, int row);
    void PaintFocusRect(QPainter& painter, int row);

    std::vector<SColumnLook> m_columnLooks;
};
