// CListSheet: a grid of channels built from a static sheet definition.
//
// The sheet keeps no data of its own: it shows its table model
// (CListSheetModel), which reads every cell from the data when it is drawn,
// and it follows the document's announcements of changed nodes (the host's
// NodeChanges) by drawing the rows they touch again. The base makes the
// columns (widths from the settings, kept within each column's limits, and
// written back when the user drags a divider), tracks the selected row and
// the current column, handles the keyboard and mouse as the channel grids of
// this program do, and routes the Edit commands to overridable operations
// with their enable rules.
//
// Several rows may be selected (Shift or Ctrl with a click or the arrow
// keys, Select All); the Edit operations of a concrete sheet act on all of
// them (SelectedRows), Edit Memory and the cell editors on the first. A
// left press on a row that is already selected keeps the selection (a drag
// may start from it) and only a release without a drag selects that row
// alone; a right press keeps a selection that holds its row and otherwise
// selects that row alone.
//
// Rows whose channel is not in use may be hidden (SetRowsInUseOnly, what
// the concrete sheet's IsRowInUse says): they are hidden again whenever the
// data changes, never count as selected, and the selection moves to the
// nearest shown row when its rows go. Rows keep their numbers: every
// operation acts on the channels the rows stand for.
//
// Enter and a double-click on the row label open the row's editor
// (EditItem). The context menu opens with the right button, the Menu key or
// Shift+F10. F2, a double-click on another cell, or a typed character edit
// the cell in place when the model lets it edit (Qt::ItemIsEditable); F2 and
// the double-click open EditItem for a cell that does not edit. While a cell
// editor is open the keys are its own: Enter and Tab commit it, Esc drops
// it, and no key of the grid (or of the window's commands, see the main
// frame) acts on the rows. CommitEditor ends it from outside.
//
// The sheet does not own its host or the settings store; both must outlive
// it. It owns its model.
#pragma once

#include <QString>
#include <vector>

#include "document/NodeChanges.h"
#include "ui/CommandTarget.h"
#include "ui/ListViewExs.h"
#include "views/ListSheetDef.h"

class CListSheetHost;
class QKeyEvent;
class CListSheetModel;
class CSettingsStore;

class CListSheet : public CListViewExs, public CCommandTarget {
    Q_OBJECT
  public:
    // Makes the definition's columns and rows (every cell empty), follows the
    // host's NodeChanges and selects row 0. def must live as long as the
    // sheet (a static record).
    CListSheet(const ListSheetDef& def, CListSheetHost& host, CSettingsStore& settings,
               QWidget* parent = nullptr);
    ~CListSheet() override;

    // The Edit operations on the selected row (row for ClearRow). The base
    // versions do nothing. ClearRow only changes the data; the operations
    // that call it tell the document (NodesChanged).
    virtual void EditItem();
    virtual void SetFieldItem();
    virtual void CutItem();
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
    // "Program scan edge", "Call"), or the definition's title; translated.
    virtual QString GetTitle() const;

    // Remembers the selected rows, re-makes the table with rows and columns
    // (at most the definition's), then selects the remembered rows that
    // still exist (the current one stays current), else row 0.
    void Reset(int rows, int channelOffset, int columns);
    // Follows the announcements of the host's NodeChanges from now on (the
    // ones it had when the sheet was made, or new ones the host took since).
    void FollowHostChanges();
    // Every row is drawn again from the data, then the selected row is
    // scrolled into view: what the sheet does when the document announces
    // that anything may have changed. Only a change of nodes that bypassed
    // the document needs it by hand.
    void RefreshAll();
    // Row row is drawn again from the data (printing reads each row so).
    void RefreshRow(int row);
    // Selects and focuses row (0..rows-1) alone and scrolls it into view;
    // any other row number does nothing.
    void SelectRow(int row);
    // The first selected row, or -1.
    int SelectedRow() const;
    // Every selected row that is shown, in ascending order.
    std::vector<int> SelectedRows() const;

    // Hides the rows whose channel is not in use from now on (true), or
    // shows every row again.
    void SetRowsInUseOnly(bool inUseOnly);
    bool ShowsRowsInUseOnly() const { return m_inUseOnly; }

    // The open cell editor, or nullptr.
    QWidget* OpenEditor() const;
    // Whether the keyboard focus is in the open cell editor.
    bool EditorHasFocus() const;
    // Commits and closes the open cell editor; true when none is open or its
    // text was taken. A refused text (the delegate says why) leaves the
    // editor open with the focus in it: false.
    bool CommitEditor();

    int GetChannelOffset() const;
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
    // For a sheet with its own table: model (not nullptr) becomes the
    // sheet's.
    CListSheet(const ListSheetDef& def, CListSheetHost& host, CSettingsStore& settings,
               CListSheetModel* model, QWidget* parent);

    CListSheetHost& Host() const { return m_host; }
    CListSheetModel& Model() const { return *m_model; }
    // A sheet's edit: the host tells the document, whose announcement the
    // sheets follow.
    void NodesChanged(const SNodeChange& change);
    void SetEditable(bool editable) { m_editable = editable; }
    // Whether the channel of row is in use (SetRowsInUseOnly shows only
    // those). The base: every row.
    virtual bool IsRowInUse(int row) const;

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Home and End go to the first and the last row (the row, not the
    // column, is what the grid moves through).
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    // While SelectRow runs: the row alone, whatever keys are held.
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

    // Starts editing the cell (row, column) when the model lets it edit and
    // the sheet is editable; typed (optional) is the key that started it and
    // goes to the editor (a text editor starts empty then). False when the
    // cell does not edit.
    bool EditCell(int row, int column, QKeyEvent* typed);

  private:
    static bool StartsTyping(const QKeyEvent& event);
    void FollowChange(const SNodeChange& change);
    void RestoreSelection(const std::vector<int>& rows, int current);
    void RepaintRow(int row);
    void RegisterEditCommands();
    void RunAndRefocus(void (CListSheet::*operation)());
    void ShowContextMenuAt(const QPoint& globalPos);
    void UpdateHiddenRows(int first, int last);
    void KeepSelectionShown();
    int NearestShownRow(int row) const;
    bool CanClearDeleteInsert() const;
    int StoredColumnWidth(int column) const;
    void SaveColumnWidth(int column, int width);
    void MoveCurrentColumn(int step);
    void SetCurrentColumnAt(int x);
    bool HandleButtonPress(QMouseEvent* event, bool selectAlone);

    const ListSheetDef& m_def;
    CListSheetHost& m_host;
    CSettingsStore& m_settings;
    const double m_widthScale;
    CListSheetModel* m_model;  // owned through the Qt parent
    CNodeChanges::CSubscription m_following;
    int m_currentColumn = 1;
    bool m_editable = true;
    bool m_resetting = false;
    bool m_shownOnce = false;
    bool m_selectingOneRow = false;
    bool m_inUseOnly = false;
    bool m_hidesRows = false;
};
