// CListViewExs: a grid of text cells that draws its rows itself, as a report
// list does: whole rows are highlighted (to the right edge of the window),
// each column has its own alignment and optional colours, and a text too
// wide for its cell is cut and ended with "...".
//
// The view keeps only the texts it was given (SetCellText); it owns its cell
// model and its row delegate.
#pragma once

#include <QColor>
#include <QString>
#include <QTableView>
#include <vector>

#include "ui/ListSheetDef.h"

class QFontMetrics;
class QStandardItemModel;

class CListViewExs : public QTableView {
    Q_OBJECT
  public:
    explicit CListViewExs(QWidget* parent = nullptr);
    ~CListViewExs() override;

    // The colours and fill of a row as it is drawn now.
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

    // The cell texts. Out-of-range cells are ignored (set) or empty (get).
    // Texts are kept to at most 512 characters.
    void SetCellText(int row, int column, const QString& text);
    QString GetCellText(int row, int column) const;

    // Number of rows and columns of the grid.
    int GetItemCount() const;
    int GetColumnCount() const;

    // The text cut to fit width pixels with margin: unchanged when its width
    // plus margin fits; otherwise characters are taken off its end until the
    // rest plus "..." plus margin fits (or one character is left) and "..."
    // is appended. cut (optional) tells whether the text was cut.
    static QString FitText(const QFontMetrics& metrics, const QString& text, int width, int margin,
                           bool* cut = nullptr);

  protected:
    // Removes every row and column, then makes the columns of the given
    // definitions (titles, alignment, colours) with the given widths.
    void RebuildColumns(std::span<const ListColumnDef> columns, const std::vector<int>& widths);
    void InsertEmptyRows(int rows);

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

    QStandardItemModel* m_cells;  // owned through the Qt parent
    std::vector<SColumnLook> m_columnLooks;
};
