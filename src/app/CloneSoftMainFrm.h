// CCloneSoftMainFrm: the main window of the program, independent of the radio
// model: menus, toolbar and status bar made from the command table, the
// command routing, and the window's place and bars kept in the settings.
//
// Every command is a QAction named "cmd" + its number. A command runs through
// the router (shown list -> document commands -> this frame -> application);
// the router also decides whether each command is enabled and checked: the
// frame asks it before a menu opens and on a short timer for the toolbar.
// While an editor of the data is open, the keys it keeps (FocusKeepsKeysOf)
// are its own, and any other command commits it first.
//
// The settings store and the targets handed in are not owned and must
// outlive the frame.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/CommandRouter.h"
#include "app/WindowPlacement.h"
#include "ui/CommandTarget.h"

class CCloneStatusBar;
class CSettingsStore;
class QKeyEvent;
class QMenu;
class QTimer;
class QToolBar;

class CCloneSoftMainFrm : public QMainWindow, public CCommandTarget {
    Q_OBJECT
  public:
    static constexpr int kUpdateIntervalMs = 250;

    explicit CCloneSoftMainFrm(CSettingsStore& settings, QWidget* parent = nullptr);
    ~CCloneSoftMainFrm() override;

    // The targets after the shown list: the document's commands and the
    // application's. Either may be nullptr.
    void SetCommandTargets(CCommandTarget* documentTarget, CCommandTarget* applicationTarget);

    // Asked before the window closes (the save question); false keeps it
    // open. Without one the window always closes.
    void SetCloseQuestion(std::function<bool()> question);

    // The window title: "<document title> - CP-Z5", with "*" after the
    // document title while the query says the data has unsaved changes.
    void SetDocumentTitle(const QString& title);
    void SetModifiedQuery(std::function<bool()> query) { m_modifiedQuery = std::move(query); }
    // Told of every command's id before it runs, and of 0 after it.
    void SetCommandObserver(std::function<void(int id)> observer) {
        m_router.SetObserver(std::move(observer));
    }

    // The action of command id, or nullptr.
    QAction* Action(int id) const;
    // Asks the router about every command and updates the actions.
    void UpdateCommands();
    // Runs command id through the router; false when it was not run. An
    // open editor of the data is committed first (CommitOpenEditor); when
    // it refuses its text, the command does not run.
    bool RunCommand(int id);

    // The COM Port menu's items with the devices they stand for now.
    void ShowComPortDevices();

    // The recent files shown under "Recent File" (the newest first).
    void SetRecentFiles(const std::vector<std::string>& paths);

    // Whether the window opens maximised (read at construction).
    bool IsMaximizedAtStart() const { return m_placement.maximized; }
    // The place the window had when it was last neither maximised nor
    // minimised.
    QRect NormalPlace() const { return m_normalPlace; }

    CCloneStatusBar* StatusBar() const { return m_statusBar; }
    QToolBar* ToolBar() const { return m_toolBar; }

    // The menu built from a menu of the command table (context menu 1000).
    std::unique_ptr<QMenu> MakeContextMenu() const;

    // The settings windows of the View menu (Common Setting, DTMF Autodial,
    // PGR Memory), opened on the given page; the menu commands open page 0.
    // The base only shows a box with the window's name; the model's frame
    // opens its windows.
    virtual void OnCommonSetting(int page);
    virtual void OnDtmfAutodial(int page);
    virtual void OnPgrMemory(int page);

  protected:
    // The first target of the chain: the shown list, or nullptr.
    virtual CCommandTarget* ListPane() const { return nullptr; }
    // The width of the tree pane and the height of the panes, for the
    // settings at close.
    virtual int TreePaneWidth() const { return m_placement.treeWidth; }
    virtual int PaneHeight() const { return 0; }
    // Focus moves between the panes (F6, Shift+F6).
    virtual void FocusNextPane(bool forward);
    // Whether the widget with the keyboard focus keeps the keys of command
    // id as its own (a cell editor keeps the row commands' keys): they reach
    // it and the command does not run. The base: never.
    virtual bool FocusKeepsKeysOf(int id) const;
    // Commits an editor of the data that is open; false when it refuses its
    // text (and stays open). The base has none: true.
    virtual bool CommitOpenEditor();

    const SWindowPlacement& StoredPlacement() const { return m_placement; }
    // Without a stored place: the window opens with the size wanted (cut to
    // the primary screen) and a tree pane of treeWidth.
    void PlaceFirstStart(const QSize& wanted, int treeWidth);
    CSettingsStore& Settings() const { return m_settings; }

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void RegisterFrameCommands();
    void FillMenu(QMenu* menu, std::span<const int> items) const;
    void FillRecentFileMenu(QMenu* menu);
    void PlaceWindow();
    void RememberNormalPlace();
    void SaveWindowState();
    void LoadBarState();
    void SaveBarState();
    int ShowCommand() const;
    void ShowTitle();
    int CommandOfKeys(const QKeyEvent& key) const;

    CSettingsStore& m_settings;
    SWindowPlacement m_placement;
    QRect m_normalPlace;
    CCommandRouter m_router;
    CCommandTarget* m_documentTarget = nullptr;
    CCommandTarget* m_applicationTarget = nullptr;
    std::function<bool()> m_closeQuestion;
    std::function<bool()> m_modifiedQuery;
    QString m_documentTitle;
    std::map<int, QAction*> m_actions;
    std::vector<std::string> m_recentFiles;
    QMenu* m_fileMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
    CCloneStatusBar* m_statusBar = nullptr;
    QTimer* m_updateTimer = nullptr;
};
