#include "app/CloneSoftMainFrm.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

#include "app/AccessibleMenuItem.h"
#include "app/CloneStatusBar.h"
#include "app/CommandTable.h"
#include "app/ToolbarIcons.h"
#include "clone/CloneDocument.h"
#include "platform/SerialPortList.h"
#include "platform/SettingsStore.h"
#include "transport/PortName.h"
#include "transport/SettingsKeys.h"
#include "ui/CommandIds.h"

namespace {

constexpr const char* kProgramTitle = CCloneDocument::kMessageTitle;

// Commands whose menu item carries a check mark.
constexpr int kCheckable[] = {Cmd::ViewInUseOnly, Cmd::ViewToolbar,   Cmd::ViewStatusBar,
                              Cmd::Com1,          Cmd::Com2,          Cmd::Com3,
                              Cmd::Com4,          Cmd::ModelVersion0, Cmd::ModelVersion1,
                              Cmd::ModelVersion2, Cmd::ModelVersion3, Cmd::ModelVersion4};

bool IsCheckable(int id) {
    return std::find(std::begin(kCheckable), std::end(kCheckable), id) != std::end(kCheckable);
}

QList<QKeySequence> KeysOf(const SCommandDef& command) {
    QList<QKeySequence> keys;
    for (const QString& key : QString::fromLatin1(command.keys).split(u';', Qt::SkipEmptyParts)) {
        keys.append(QKeySequence(key));
    }
    return keys;
}

QList<QRect> AvailableScreens() {
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        screens.append(primary->availableGeometry());
    }
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen()) {
            screens.append(screen->availableGeometry());
        }
    }
    return screens;
}

QString Translated(const char* text) {
    return QCoreApplication::translate("CCommandTable", text);
}

// The item's text in the user's language, followed by the key it names
// after a tab (the key itself is never translated).
QString MenuText(const SCommandDef& command) {
    const QString shown = QString::fromLatin1(CCommandTable::ShownKey(command.id));
    return Translated(command.text) + (shown.isEmpty() ? QString() : QLatin1Char('\t') + shown);
}

QString RecentFileText(int index, const std::string& path) {
    return QStringLiteral("&%1 %2").arg(index + 1).arg(QString::fromStdString(path));
}

}  // namespace

CCloneSoftMainFrm::CCloneSoftMainFrm(CSettingsStore& settings, QWidget* parent)
    : QMainWindow(parent),
      m_settings(settings),
      m_placement(CWindowPlacement::Load(settings)),
      m_router([this] {
          return std::vector<CCommandTarget*>{ListPane(), m_documentTarget, this,
                                              m_applicationTarget};
      }),
      m_updateTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("CCloneSoftMainFrm"));
    setWindowIcon(CToolbarIcons::ProgramIcon());
    setMinimumSize(CWindowPlacement::kMinWidth, CWindowPlacement::kMinHeight);
    SetDocumentTitle(tr("Untitled"));
    CAccessibleMenuItem::Install();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    m_statusBar = new CCloneStatusBar(this);
    setStatusBar(m_statusBar);
    RegisterFrameCommands();
    LoadBarState();
    PlaceWindow();
    connect(m_updateTimer, &QTimer::timeout, this, &CCloneSoftMainFrm::UpdateCommands);
    m_updateTimer->start(kUpdateIntervalMs);
}

CCloneSoftMainFrm::~CCloneSoftMainFrm() = default;

void CCloneSoftMainFrm::SetCommandTargets(CCommandTarget* documentTarget,
                                          CCommandTarget* applicationTarget) {
    m_documentTarget = documentTarget;
    m_applicationTarget = applicationTarget;
    UpdateCommands();
}

void CCloneSoftMainFrm::SetCloseQuestion(std::function<bool()> question) {
    m_closeQuestion = std::move(question);
}

void CCloneSoftMainFrm::SetDocumentTitle(const QString& title) {
    m_documentTitle = title;
    ShowTitle();
}

// "*" after the document's title marks unsaved changes, written into the
// title itself: the window systems of Linux have no marker of their own.
// The window's modified attribute says the same to whoever asks
// (setWindowModified would warn on every change for a title without Qt's
// "[*]" placeholder).
void CCloneSoftMainFrm::ShowTitle() {
    const bool modified = m_modifiedQuery && m_modifiedQuery();
    setAttribute(Qt::WA_WindowModified, modified);
    setWindowTitle(m_documentTitle + (modified ? QStringLiteral("*") : QString()) +
                   QStringLiteral(" - ") + QLatin1String(kProgramTitle));
}

QAction* CCloneSoftMainFrm::Action(int id) const {
    auto it = m_actions.find(id);
    return it != m_actions.end() ? it->second : nullptr;
}

bool CCloneSoftMainFrm::RunCommand(int id) {
    const bool ran = (!m_router.Query(id).enabled || CommitOpenEditor()) && m_router.Route(id);
    UpdateCommands();
    return ran;
}

bool CCloneSoftMainFrm::FocusKeepsKeysOf(int) const {
    return false;
}

bool CCloneSoftMainFrm::CommitOpenEditor() {
    return true;
}

// The command whose keys these are, or 0.
int CCloneSoftMainFrm::CommandOfKeys(const QKeyEvent& key) const {
    const QKeySequence pressed(
        QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(key.key())));
    for (const auto& [id, action] : m_actions) {
        if (action->shortcuts().contains(pressed)) {
            return id;
        }
    }
    return 0;
}

// A key that a window command has is offered to the focused widget first
// (ShortcutOverride); what no widget took reaches this window, which keeps
// the keys that the focus keeps from their command.
bool CCloneSoftMainFrm::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int id = CommandOfKeys(*key);
        if (id != 0 && FocusKeepsKeysOf(id)) {
            key->accept();
            return true;
        }
    }
    return QMainWindow::event(event);
}

void CCloneSoftMainFrm::UpdateCommands() {
    ShowTitle();
    for (const auto& [id, action] : m_actions) {
        const SCommandState state = m_router.Query(id);
        action->setEnabled(state.enabled);
        if (!state.text.empty()) {
            action->setText(QString::fromStdString(state.text));
        }
        if (action->isCheckable()) {
            action->setChecked(state.checked);
        }
    }
}

void CCloneSoftMainFrm::CreateActions() {
    for (const SCommandDef& command : CCommandTable::Commands()) {
        auto* action = new QAction(MenuText(command), this);
        action->setObjectName(QStringLiteral("cmd%1").arg(command.id));
        action->setShortcuts(KeysOf(command));
        action->setStatusTip(*command.prompt == '\0' ? QString() : Translated(command.prompt));
        action->setIcon(CToolbarIcons::Icon(command.id));
        action->setIconVisibleInMenu(false);
        action->setCheckable(IsCheckable(command.id));
        const int id = command.id;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        // Accelerators work wherever the focus is in the window.
        addAction(action);
        m_actions[id] = action;
    }
}

void CCloneSoftMainFrm::FillMenu(QMenu* menu, std::span<const int> items) const {
    for (const int id : items) {
        if (id == 0) {
            menu->addSeparator();
            continue;
        }
        if (id == Cmd::FileMruFirst) {
            for (int entry = Cmd::FileMruFirst; entry <= Cmd::FileMruLast; ++entry) {
                menu->addAction(Action(entry));
            }
            continue;
        }
        menu->addAction(Action(id));
    }
}

void CCloneSoftMainFrm::CreateMenus() {
    for (const SMenuDef& menuDef : CCommandTable::MenuBar()) {
        QMenu* menu = menuBar()->addMenu(Translated(menuDef.title));
        FillMenu(menu, menuDef.items);
        connect(menu, &QMenu::aboutToShow, this, &CCloneSoftMainFrm::UpdateCommands);
        if (menuDef.items.front() == Cmd::FileNewMenu) {
            m_fileMenu = menu;
        }
        if (menuDef.items.front() == Cmd::Com1) {
            connect(menu, &QMenu::aboutToShow, this, &CCloneSoftMainFrm::ShowComPortDevices);
        }
        if (menuDef.items.front() == Cmd::PgrMemory) {
            menu->addSeparator();
            QMenu* models = menu->addMenu(Translated(CCommandTable::ModelMenu().title));
            FillMenu(models, CCommandTable::ModelMenu().items);
            connect(models, &QMenu::aboutToShow, this, &CCloneSoftMainFrm::UpdateCommands);
        }
    }
    SetRecentFiles({});
}

std::unique_ptr<QMenu> CCloneSoftMainFrm::MakeContextMenu() const {
    auto menu = std::make_unique<QMenu>();
    menu->setObjectName(QString::number(CCommandTable::kContextMenuId));
    FillMenu(menu.get(), CCommandTable::ContextMenu().items);
    return menu;
}

void CCloneSoftMainFrm::CreateToolBar() {
    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("128"));
    m_toolBar->setIconSize(QSize(16, 16));
    // The button that shows the buttons a narrow window has no room for.
    for (QToolButton* more : m_toolBar->findChildren<QToolButton*>(
             QStringLiteral("qt_toolbar_ext_button"), Qt::FindDirectChildrenOnly)) {
        more->setAccessibleName(tr("More Buttons"));
    }
    for (const int id : CCommandTable::Toolbar()) {
        if (id == 0) {
            m_toolBar->addSeparator();
        } else {
            QAction* action = Action(id);
            m_toolBar->addAction(action);
            // A key shown after a tab in the menu is no part of the button's name.
            const QString text = action->iconText();
            if (QWidget* button = m_toolBar->widgetForAction(action);
                button != nullptr && text.contains(QLatin1Char('\t'))) {
                button->setAccessibleName(text.section(QLatin1Char('\t'), 0, 0));
            }
        }
    }
}

// Each COMn item names, after its text, the device it stands for and what
// that is (read again each time the menu opens, so a cable plugged in
// meanwhile shows), or that the device is not there.
void CCloneSoftMainFrm::ShowComPortDevices() {
    const CPortName names(&m_settings);
    const std::vector<SSerialPortInfo> found = CSerialPortList().List();
    for (int id = Cmd::Com1; id <= Cmd::Com4; ++id) {
        const std::string device = names.ResolveNumber(static_cast<unsigned>(id - Cmd::Com1 + 1));
        QString what = tr("not connected");
        bool present = false;
        for (const SSerialPortInfo& port : found) {
            if (device == port.device || device == port.stableName) {
                what = QString::fromStdString(port.Description());
                present = true;
            }
        }
        std::error_code error;
        if (!present && !device.empty() && std::filesystem::exists(device, error)) {
            what.clear();
        }
        const QString where = QString::fromStdString(device);
        Action(id)->setText(MenuText(*CCommandTable::Find(id)) + QLatin1Char('\t') +
                            (what.isEmpty() ? where : tr("%1  (%2)").arg(where, what)));
    }
}

void CCloneSoftMainFrm::SetRecentFiles(const std::vector<std::string>& paths) {
    m_recentFiles = paths;
    for (int entry = 0; entry <= Cmd::FileMruLast - Cmd::FileMruFirst; ++entry) {
        QAction* action = Action(Cmd::FileMruFirst + entry);
        const bool used = entry < static_cast<int>(paths.size());
        action->setText(used ? RecentFileText(entry, paths[entry])
                             : MenuText(*CCommandTable::Find(Cmd::FileMruFirst + entry)));
        // With no file the first entry stands as the disabled "Recent File".
        action->setVisible(used || entry == 0);
    }
}

void CCloneSoftMainFrm::RegisterFrameCommands() {
    HandleCommand(
        Cmd::ViewToolbar, [this] { m_toolBar->setVisible(!m_toolBar->isVisible()); },
        [this] { return Checked(m_toolBar->isVisibleTo(this)); });
    HandleCommand(
        Cmd::ViewStatusBar, [this] { m_statusBar->setVisible(!m_statusBar->isVisible()); },
        [this] { return Checked(m_statusBar->isVisibleTo(this)); });
    HandleCommand(Cmd::AppExit, [this] { close(); });
    HandleCommand(Cmd::CommonSetting, [this] { OnCommonSetting(0); });
    HandleCommand(Cmd::DtmfAutodial, [this] { OnDtmfAutodial(0); });
    HandleCommand(Cmd::PgrMemory, [this] { OnPgrMemory(0); });
    HandleCommand(Cmd::NextPane, [this] { FocusNextPane(true); });
    HandleCommand(Cmd::PrevPane, [this] { FocusNextPane(false); });
}

void CCloneSoftMainFrm::FocusNextPane(bool) {}

void CCloneSoftMainFrm::OnCommonSetting(int) {
    QMessageBox::information(this, QLatin1String(kProgramTitle), tr("Common Setting"));
}

void CCloneSoftMainFrm::OnDtmfAutodial(int) {
    QMessageBox::information(this, QLatin1String(kProgramTitle), tr("DTMF Autodial"));
}

void CCloneSoftMainFrm::OnPgrMemory(int) {
    QMessageBox::information(this, QLatin1String(kProgramTitle), tr("PGR Memory"));
}

void CCloneSoftMainFrm::PlaceWindow() {
    const QRect place = CWindowPlacement::FitWindow(m_placement.normal, AvailableScreens());
    move(place.topLeft());
    resize(place.size());
    m_normalPlace = place;
}

void CCloneSoftMainFrm::PlaceFirstStart(const QSize& wanted, int treeWidth) {
    const QList<QRect> screens = AvailableScreens();
    if (screens.isEmpty()) {
        return;
    }
    const QRect place = CWindowPlacement::FirstPlace(wanted, screens.first());
    move(place.topLeft());
    resize(place.size());
    m_normalPlace = place;
    m_placement.treeWidth = treeWidth;
}

void CCloneSoftMainFrm::RememberNormalPlace() {
    if (isVisible() && !isMaximized() && !isMinimized() && !isFullScreen()) {
        m_normalPlace = QRect(pos(), size());
    }
}

void CCloneSoftMainFrm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    RememberNormalPlace();
}

void CCloneSoftMainFrm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    RememberNormalPlace();
}

int CCloneSoftMainFrm::ShowCommand() const {
    if (isMaximized()) {
        return CWindowPlacement::kShowMaximized;
    }
    return isMinimized() ? CWindowPlacement::kShowMinimized : CWindowPlacement::kShowNormal;
}

void CCloneSoftMainFrm::SaveWindowState() {
    CWindowPlacement::Save(m_settings, m_normalPlace, ShowCommand(), TreePaneWidth(), PaneHeight());
    SaveBarState();
}

void CCloneSoftMainFrm::LoadBarState() {
    const std::string state = SettingsKey::ReadText(m_settings, SettingsKey::kBarState);
    if (!state.empty()) {
        restoreState(QByteArray::fromBase64(QByteArray::fromStdString(state)));
    }
    m_statusBar->setVisible(SettingsKey::ReadInt(m_settings, SettingsKey::kStatusBar) != 0);
}

void CCloneSoftMainFrm::SaveBarState() {
    SettingsKey::WriteText(m_settings, SettingsKey::kBarState,
                           saveState().toBase64().toStdString());
    SettingsKey::WriteInt(m_settings, SettingsKey::kStatusBar,
                          m_statusBar->isVisibleTo(this) ? 1 : 0);
}

void CCloneSoftMainFrm::closeEvent(QCloseEvent* event) {
    if (m_closeQuestion && !m_closeQuestion()) {
        event->ignore();
        return;
    }
    SaveWindowState();
    event->accept();
}
