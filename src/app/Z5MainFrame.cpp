#include "app/Z5MainFrame.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/CloneStatusBar.h"
#include "app/CommandTable.h"
#include "app/WindowPlacement.h"
#include "app/Z5ListFrame.h"
#include "app/Z5TreeView.h"
#include "document/CloneSupportDoc.h"
#include "platform/SettingsStore.h"
#include "ui/ChannelRowOrder.h"
#include "ui/CommandIds.h"
#include "ui/FindChannelBar.h"
#include "ui/ListSheet.h"
#include "ui/Z5ChListSheet.h"
#include "ui/Z5CommonPropSheet.h"
#include "ui/Z5DtmfAutodialDlg.h"
#include "ui/Z5PgrMemoryDlg.h"
#include "views/ModelOptions.h"

CZ5MainFrame::CZ5MainFrame(CSettingsStore& settings, const CModelOptions& model, QWidget* parent)
    : CCloneSoftMainFrm(settings, parent),
      m_model(model),
      m_splitter(new QSplitter(Qt::Horizontal, this)),
      m_tree(new CZ5TreeView(m_splitter)),
      m_findBar(new CFindChannelBar([this] { return ShownList(); })) {
    setObjectName(QStringLiteral("CZ5MainFrame"));
    // The sheets ask this window (their host) nothing of the list frame
    // while they are made.
    m_listFrame = new CZ5ListFrame(*this, settings, m_splitter);
    m_splitter->setObjectName(QStringLiteral("Splitter"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({StoredPlacement().treeWidth, width()});
    auto* panes = new QWidget(this);
    auto* layout = new QVBoxLayout(panes);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_splitter, 1);
    layout->addWidget(m_findBar);
    setCentralWidget(panes);
    for (int area = kAreaMemory; area <= kAreaScanEdge; ++area) {
        CChannelRowOrder::EnableDragAndDrop(*m_listFrame->Sheet(area), *this);
    }
    RegisterOrderCommands();
    RegisterViewCommands();
    connect(m_tree, &CZ5TreeView::AreaChosen, this, &CZ5MainFrame::ShowArea);
    connect(m_tree, &CZ5TreeView::FocusListRequested, this, &CZ5MainFrame::FocusList);
    m_gridQuestions.SetMainWindow(this);
    RebuildTree();
    if (!StoredPlacement().stored) {
        OpenLargeEnough();
    }
    FocusList();
}

// The first start shows every column of the grid, the whole labels of the
// tree and kFirstStartRows rows, as far as the screen allows.
void CZ5MainFrame::OpenLargeEnough() {
    constexpr int kFirstStartRows = 20;
    constexpr int kTreePadding = 8;
    CListSheet* list = ShownList();
    if (list == nullptr) {
        return;
    }
    m_tree->expandAll();
    m_tree->resizeColumnToContents(0);
    const int tree = m_tree->columnWidth(0) + 2 * m_tree->frameWidth() + kTreePadding;
    const int grid = list->horizontalHeader()->length() +
                     (list->verticalHeader()->isVisible() ? list->verticalHeader()->width() : 0) +
                     list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth();
    const int rows = list->horizontalHeader()->sizeHint().height() +
                     kFirstStartRows * list->verticalHeader()->defaultSectionSize() +
                     2 * list->frameWidth();
    const int bars = menuBar()->sizeHint().height() + ToolBar()->sizeHint().height() +
                     StatusBar()->sizeHint().height();
    PlaceFirstStart(QSize(tree + m_splitter->handleWidth() + grid, bars + rows), tree);
}

void CZ5MainFrame::RegisterOrderCommands() {
    const auto listShown = [this] { return Enabled(ShownList() != nullptr); };
    for (const int step : {-1, +1}) {
        HandleCommand(
            step < 0 ? Cmd::EditMoveUp : Cmd::EditMoveDown,
            [this, step] {
                if (CListSheet* list = ShownList()) {
                    CChannelRowOrder::Step(*list, *this, step);
                }
            },
            [this, step] {
                return Enabled(ShownList() != nullptr &&
                               CChannelRowOrder::CanStep(*ShownList(), step));
            });
    }
    using z5channel::ESortKey;
    const std::pair<int, ESortKey> sorts[] = {{Cmd::EditSortFrequency, ESortKey::Frequency},
                                              {Cmd::EditSortName, ESortKey::Name},
                                              {Cmd::EditSortTone, ESortKey::Tone}};
    for (const auto& sort : sorts) {
        HandleCommand(
            sort.first, [this, key = sort.second] { OnSort(key); },
            [this] {
                return Enabled(ShownList() != nullptr && CChannelRowOrder::CanSort(*ShownList()));
            });
    }
    HandleCommand(
        Cmd::EditFind, [this] { m_findBar->Open(); }, listShown);
    HandleCommand(
        Cmd::EditFindNext, [this] { m_findBar->FindNext(+1); }, listShown);
    HandleCommand(
        Cmd::EditFindPrevious, [this] { m_findBar->FindNext(-1); }, listShown);
}

void CZ5MainFrame::OnSort(z5channel::ESortKey key) {
    if (auto* sheet = qobject_cast<CZ5ChListSheet*>(ShownList())) {
        sheet->SortBy(key, false);
    }
}

// Channels in Use Only is kept in the settings from one run to the next.
void CZ5MainFrame::RegisterViewCommands() {
    m_listFrame->SetRowsInUseOnly(Settings().GetInt(kViewSection, kInUseOnlyValue, 0) != 0);
    HandleCommand(
        Cmd::ViewInUseOnly,
        [this] {
            const bool inUseOnly = !ShowsRowsInUseOnly();
            Settings().SetInt(kViewSection, kInUseOnlyValue, inUseOnly ? 1 : 0);
            m_listFrame->SetRowsInUseOnly(inUseOnly);
        },
        [this] { return Checked(ShowsRowsInUseOnly()); });
}

bool CZ5MainFrame::ShowsRowsInUseOnly() const {
    const CZ5ChListSheet* memory = m_listFrame->Sheet(kAreaMemory);
    return memory != nullptr && memory->ShowsRowsInUseOnly();
}

CZ5MainFrame::~CZ5MainFrame() {
    m_gridQuestions.SetMainWindow(nullptr);
}

void CZ5MainFrame::RebuildTree() {
    m_tree->RebuildTree();
}

void CZ5MainFrame::ShowArea(int area) {
    m_listFrame->ShowArea(area);
    UpdateCommands();
}

bool CZ5MainFrame::RunDataDialog(const std::function<bool()>& dialog) {
    if (!CCloneSupportDoc::TryEnterCommand()) {
        return false;
    }
    const bool accepted = dialog();
    if (accepted) {
        NodesChanged(SNodeChange::Everything(true));
    }
    CCloneSupportDoc::LeaveCommand();
    return accepted;
}

void CZ5MainFrame::SetNodeChanges(CNodeChanges* changes) {
    m_changes = changes != nullptr ? changes : &m_ownChanges;
    m_listFrame->FollowHostChanges();
}

CListSheet* CZ5MainFrame::ShownList() const {
    return m_listFrame != nullptr ? m_listFrame->ActiveSheet() : nullptr;
}

int CZ5MainFrame::GetListArea() const {
    return m_listFrame != nullptr ? m_listFrame->GetListArea() : kAreaNone;
}

void CZ5MainFrame::FocusTree() {
    m_tree->setFocus(Qt::OtherFocusReason);
}

void CZ5MainFrame::FocusList() {
    if (m_listFrame != nullptr) {
        m_listFrame->FocusList();
    }
}

void CZ5MainFrame::FocusNextPane(bool) {
    // Two panes: either direction goes to the other one.
    if (m_tree->hasFocus()) {
        FocusList();
    } else {
        FocusTree();
    }
}

bool CZ5MainFrame::FocusKeepsKeysOf(int id) const {
    if (!CCommandTable::IsRowCommand(id)) {
        return false;
    }
    if (m_findBar->isAncestorOf(QApplication::focusWidget())) {
        return id != Cmd::EditFind && id != Cmd::EditFindNext && id != Cmd::EditFindPrevious;
    }
    const CListSheet* list = ShownList();
    return list != nullptr && list->EditorHasFocus();
}

bool CZ5MainFrame::CommitOpenEditor() {
    CListSheet* list = ShownList();
    return list == nullptr || list->CommitEditor();
}

void CZ5MainFrame::ShowContextMenu(int, const QPoint& globalPos) {
    activateWindow();
    UpdateCommands();
    std::unique_ptr<QMenu> menu = MakeContextMenu();
    menu->exec(globalPos);
}

void CZ5MainFrame::NodesChanged(const SNodeChange& change) {
    if (change.edit && m_markModified) {
        m_markModified();
    }
    m_changes->Announce(change);
}

bool CZ5MainFrame::TryEnterCommand() {
    return CCloneSupportDoc::TryEnterCommand();
}

void CZ5MainFrame::LeaveCommand() {
    CCloneSupportDoc::LeaveCommand();
}

CUserInterface* CZ5MainFrame::UserInterface() const {
    return &m_gridQuestions;
}

void CZ5MainFrame::OnPgrMemory(int) {
    RunDataDialog([this] { return CZ5PgrMemoryDlg(this).exec() == QDialog::Accepted; });
}

void CZ5MainFrame::OnCommonSetting(int page) {
    RunDataDialog([this, page] {
        return CZ5CommonPropSheet(m_model, page, this).exec() == QDialog::Accepted;
    });
}

void CZ5MainFrame::OnDtmfAutodial(int) {
    RunDataDialog([this] { return CZ5DtmfAutodialDlg(this).exec() == QDialog::Accepted; });
}

int CZ5MainFrame::HasModelOption(const std::string& name) const {
    return m_model.HasModelOption(name);
}

int CZ5MainFrame::GetModelVersion() const {
    return m_model.GetModelVersion();
}

CCommandTarget* CZ5MainFrame::ListPane() const {
    return ShownList();
}

int CZ5MainFrame::TreePaneWidth() const {
    return m_splitter->sizes().value(0);
}

int CZ5MainFrame::PaneHeight() const {
    return m_splitter->height();
}

// The splitter gets its stored tree width once the window has its size,
// kept so that both panes stay usable.
void CZ5MainFrame::showEvent(QShowEvent* event) {
    CCloneSoftMainFrm::showEvent(event);
    if (m_splitterPlaced) {
        return;
    }
    m_splitterPlaced = true;
    const int total = m_splitter->width() - m_splitter->handleWidth();
    const int tree = CWindowPlacement::FitTreeWidth(StoredPlacement().treeWidth, total);
    m_splitter->setSizes({tree, total - tree});
    FocusList();
}
