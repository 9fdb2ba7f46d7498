// CZ5MainFrame: the main window of the QM-Z5: the tree of memory areas on the
// left and the list frame with the channel grids on the right, in a splitter
// whose tree width is kept in the settings.
//
// The frame answers the grids' questions: the focus moves between tree and
// list, the context menu, the command busy flag, and the model options (from
// the CModelOptions handed in, which must outlive the frame). The grids
// follow the document's announcements of changed nodes (SetNodeChanges);
// until the program hands them in, the frame announces on its own.
//
// The frame also owns the commands that reorder channels and find one: Move
// Up and Move Down of the selected rows (and drag and drop of rows on the
// memory and scan edge grids), the three sorts of the memory channels, and
// Find, Find Next and Find Previous with the find bar below the panes; and
// View > Channels in Use Only, which hides the cleared memory channels
// (kept in the settings: "ChannelsInUseOnly" of section "View", 1 or 0).
#pragma once

#include <functional>

#include "app/CloneSoftMainFrm.h"
#include "app/QtUserInterface.h"
#include "model/Z5ChannelOrder.h"
#include "ui/ListSheetHost.h"

class CFindChannelBar;
class CListSheet;
class CModelOptions;
class CZ5ListFrame;
class CZ5TreeView;
class QSplitter;

class CZ5MainFrame : public CCloneSoftMainFrm, public CListSheetHost {
    Q_OBJECT
  public:
    static constexpr const char* kViewSection = "View";
    static constexpr const char* kInUseOnlyValue = "ChannelsInUseOnly";

    CZ5MainFrame(CSettingsStore& settings, const CModelOptions& model, QWidget* parent = nullptr);
    ~CZ5MainFrame() override;

    // Refills the tree of areas; the shown area stays shown (re-made for
    // the model's options).
    void RebuildTree();
    // Shows area 1..3 in the list frame; -1 does nothing.
    void ShowArea(int area);

    // What marks the document modified (the application installs it).
    void SetModifiedHandler(std::function<void()> handler) { m_markModified = std::move(handler); }
    // The document's announcements of changed nodes, which the grids follow
    // from now on (nullptr: the frame's own); not owned, must outlive the
    // frame or be replaced first.
    void SetNodeChanges(CNodeChanges* changes);

    // Runs a settings window of the View menu the common way: nothing while
    // another command runs (busy flag); dialog runs the window modally and
    // answers true for OK; after OK the document hears that the user changed
    // its data (it is marked modified, and the grids follow). Returns
    // dialog's answer (false when busy).
    bool RunDataDialog(const std::function<bool()>& dialog);

    CZ5TreeView* TreeView() const { return m_tree; }
    CZ5ListFrame* ListFrame() const { return m_listFrame; }
    CFindChannelBar* FindBar() const { return m_findBar; }
    QSplitter* Splitter() const { return m_splitter; }
    CListSheet* ShownList() const;

    int GetListArea() const override;
    void FocusTree() override;
    void FocusList() override;
    void ShowContextMenu(int menuId, const QPoint& globalPos) override;
    int HasModelOption(const std::string& name) const override;
    int GetModelVersion() const override;
    // The grids' edits mark the document modified (the installed handler)
    // and are announced to every view; their questions are asked over this
    // window; their dialogs hold the command busy flag.
    CNodeChanges* NodeChanges() const override { return m_changes; }
    void NodesChanged(const SNodeChange& change) override;
    bool TryEnterCommand() override;
    void LeaveCommand() override;
    CUserInterface* UserInterface() const override;

    // PGR Memory...: the PGR memory dialog, run as RunDataDialog runs.
    void OnPgrMemory(int page) override;
    // Common Setting... and DTMF Autodial...: the common settings sheet
    // (opened on page) and the DTMF autodial dialog, run the same way.
    void OnCommonSetting(int page) override;
    void OnDtmfAutodial(int page) override;

  protected:
    CCommandTarget* ListPane() const override;
    int TreePaneWidth() const override;
    int PaneHeight() const override;
    void FocusNextPane(bool forward) override;
    // A cell editor of the shown grid keeps the keys of every row command;
    // the find bar those of the row commands other than the find commands,
    // which act on it.
    bool FocusKeepsKeysOf(int id) const override;
    // The shown grid's cell editor.
    bool CommitOpenEditor() override;
    void showEvent(QShowEvent* event) override;

  private:
    void OpenLargeEnough();
    void RegisterOrderCommands();
    void RegisterViewCommands();
    bool ShowsRowsInUseOnly() const;
    void OnSort(z5channel::ESortKey key);

    const CModelOptions& m_model;
    // Before the grids, which follow them from their start.
    CNodeChanges m_ownChanges;
    CNodeChanges* m_changes = &m_ownChanges;
    QSplitter* m_splitter;
    CZ5TreeView* m_tree;
    CZ5ListFrame* m_listFrame = nullptr;
    CFindChannelBar* m_findBar;
    std::function<void()> m_markModified;
    mutable CQtUserInterface m_gridQuestions;
    bool m_splitterPlaced = false;
};
