// CListSheet: a grid of channels built from a static sheet definition.
//
// The sheet keeps no data of its own: a concrete sheet writes every cell from
// the data nodes in RefreshRow. The base makes the columns (widths from the
// settings, kept within each column's limits, and written back when the user
// drags a divider), tracks the selected row and the current column, handles
// the keyboard and mouse as the channel grids of this program do, and routes
// the Edit commands to overridable operations with their enable rules.
//
// The sheet does not own its host or the settings store; both must outlive
// it.
#pragma once

#include <QString>

#include "ui/CommandTarget.h"
#include "ui/ListSheetDef.h"
#include "ui/ListViewExs.h"

class CListSheetHost;
class CSettingsStore;

class CListSheet : public CListViewExs, public CCommandTarget {
    Q_OBJECT
  public:
    // Makes the definition's columns and rows and selects row 0. def must
    // live as long as the sheet (a static record).
    CListSheet(const ListSheetDef& def, CListSheetHost& host, CSettingsStore& settings,
               QWidget* parent = nullptr);
    ~CListSheet() override;

    // Rewrites every cell of one row from the data. The base does nothing.
    virtual void RefreshRow(int row);
    // The Edit operations on the selected row (row for ClearRow). The base
    // versions do nothing.
    virtual void EditItem();
    virtual void CopyItem();
    virtual void ClearRow(int row);
    virtual void ClearItem();
    virtual void PasteItem();
    virtual void DeleteItem();
    virtual void InsertItem();
    // True when the clipboard holds data that PasteItem can take. The base
    // has no clipboard format: false.
    virtual bool ClipboardHasData() const;

    // The page title: the name of the area the host shows ("Memory CH",
    // "Program scan edge", "Call"), or the definition's title.
    virtual QString GetTitle() const;

    // Remembers the selected row, re-creates columns (at most the
    // definition's) and empty rows, then selects the remembered row if it
    // still exists, else row 0.
    void Reset(int rows, int channelOffset, int columns);
    // RefreshRow of every row, then the selected row is scrolled into view.
    void RefreshAll();
    // RefreshRow of one row and a redraw of it.
    void RedrawRow(int row);
    // Selects and focuses row (0..rows-1) alone and scrolls it into view;
    // any other row number does nothing.
    void SelectRow(int row);
    // The selected row, or -1.
    int SelectedRow() const;

    int GetChannelOffset() const { return m_channelOffset; }
    // The column the Left and Right keys move; never 0 (the row label).
    int GetCurrentColumn() const { return m_currentColumn; }
    bool IsEditable() const { return m_editable; }
    const ListSheetDef& GetDefinition() const { return m_def; }

    // The column widths of the definition are pixels at the radio's
    // traditional dialog font, whose digits are kReferenceDigitWidth pixels
    // wide; a sheet drawn with a wider font widens its default, minimum and
    // maximum widths by this factor (never below 1), so that its texts fit.
    static constexpr int kReferenceDigitWidth = 6;
    double WidthScale() const { return m_widthScale; }
    // A width of the definition at this sheet's font.
    int ScaledWidth(int width) const;

  protected:
    CListSheetHost& Host() const { return m_host; }
    void SetEditable(bool editable) { m_editable = editable; }

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void RegisterEditCommands();
    void RunAndRefocus(void (CListSheet::*operation)());
    bool CanClearDeleteInsert() const;
    int StoredColumnWidth(int column) const;
    void SaveColumnWidth(int column, int width);
    void MoveCurrentColumn(int step);
    void SetCurrentColumnAt(int x);
    bool HandleButtonPress(QMouseEvent* event);

    const ListSheetDef& m_def;
    CListSheetHost& m_host;
    CSettingsStore& m_settings;
    const double m_widthScale;
    int m_channelOffset = 0;
    int m_currentColumn = 1;
    bool m_editable = true;
    bool m_resetting = false;
    bool m_shownOnce = false;
};
