#include "app/CommandTable.h"

#include <algorithm>
#include <array>

#include "platform/Translation.h"
#include "ui/CommandIds.h"

namespace {

using namespace Cmd;

constexpr SCommandDef kCommands[] = {
    {FileNewMenu, QT_TRANSLATE_NOOP("CCommandTable", "&New"), "Ctrl+N",
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Start new data: the factory settings of the radio's version")},
    {FileOpen, QT_TRANSLATE_NOOP("CCommandTable", "&Open..."), "Ctrl+O",
     QT_TRANSLATE_NOOP("CCommandTable", "Open a clone file")},
    {FileSave, QT_TRANSLATE_NOOP("CCommandTable", "&Save"), "Ctrl+S",
     QT_TRANSLATE_NOOP("CCommandTable", "Save the data to its clone file")},
    {FileSaveAs, QT_TRANSLATE_NOOP("CCommandTable", "Save &As..."), "Ctrl+Shift+S",
     QT_TRANSLATE_NOOP("CCommandTable", "Save the data to a new clone file")},
    {FileImportCsv, QT_TRANSLATE_NOOP("CCommandTable", "&Import CSV..."), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Read memory channels from a CSV channel list")},
    {FileExportCsv, QT_TRANSLATE_NOOP("CCommandTable", "&Export CSV..."), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Write the memory channels as a CSV channel list")},
    {FilePrint, QT_TRANSLATE_NOOP("CCommandTable", "&Print"), "Ctrl+P",
     QT_TRANSLATE_NOOP("CCommandTable", "Print the data")},
    {FilePrintPreview, QT_TRANSLATE_NOOP("CCommandTable", "Print Pre&view..."), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Show the pages that Print would print")},
    {FileExportPdf, QT_TRANSLATE_NOOP("CCommandTable", "Export P&DF..."), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Write the pages that Print would print to a PDF file")},
    {FileCompare, QT_TRANSLATE_NOOP("CCommandTable", "Compare &With..."), "",
     QT_TRANSLATE_NOOP("CCommandTable",
                       "List the values that differ between the data and another clone file")},
    {FileHistory, QT_TRANSLATE_NOOP("CCommandTable", "Radio &History..."), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Open or compare a read kept from the radio")},
    {FileMruFirst, QT_TRANSLATE_NOOP("CCommandTable", "&Recent File"), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Open this clone file")},
    {FileMruFirst + 1, QT_TRANSLATE_NOOP("CCommandTable", "&Recent File"), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Open this clone file")},
    {FileMruFirst + 2, QT_TRANSLATE_NOOP("CCommandTable", "&Recent File"), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Open this clone file")},
    {FileMruLast, QT_TRANSLATE_NOOP("CCommandTable", "&Recent File"), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Open this clone file")},
    {AppExit, QT_TRANSLATE_NOOP("CCommandTable", "E&xit"), "Ctrl+Q",
     QT_TRANSLATE_NOOP("CCommandTable", "Quit the program")},
    {EditMemory, QT_TRANSLATE_NOOP("CCommandTable", "&Edit Memory..."), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Edit the selected channel")},
    {EditSetField, QT_TRANSLATE_NOOP("CCommandTable", "&Set Field..."), "",
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Give one field the same value on every selected channel in use")},
    {EditCut, QT_TRANSLATE_NOOP("CCommandTable", "Cu&t"), "Ctrl+X;Shift+Del",
     QT_TRANSLATE_NOOP("CCommandTable", "Copy the selected channels, then clear them")},
    {EditCopy, QT_TRANSLATE_NOOP("CCommandTable", "&Copy"), "Ctrl+C;Ctrl+Ins",
     QT_TRANSLATE_NOOP("CCommandTable", "Copy the selected channels")},
    {EditPaste, QT_TRANSLATE_NOOP("CCommandTable", "&Paste"), "Ctrl+V;Shift+Ins",
     QT_TRANSLATE_NOOP("CCommandTable", "Paste copied channels from the selected one on")},
    {EditClear, QT_TRANSLATE_NOOP("CCommandTable", "C&lear"), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Clear the selected channels")},
    {EditDelete, QT_TRANSLATE_NOOP("CCommandTable", "&Delete"), "Del",
     QT_TRANSLATE_NOOP("CCommandTable", "Delete the selected channels and move the ones below up")},
    {EditInsert, QT_TRANSLATE_NOOP("CCommandTable", "&Insert"), "Ins",
     QT_TRANSLATE_NOOP(
         "CCommandTable",
         "Insert as many empty channels as are selected and move the ones below down")},
    {EditSelectAll, QT_TRANSLATE_NOOP("CCommandTable", "Select &All"), "Ctrl+A",
     QT_TRANSLATE_NOOP("CCommandTable", "Select every channel of the list")},
    {EditUndo, QT_TRANSLATE_NOOP("CCommandTable", "&Undo"), "Ctrl+Z;Alt+Backspace",
     QT_TRANSLATE_NOOP("CCommandTable", "Take the last change back")},
    {EditRedo, QT_TRANSLATE_NOOP("CCommandTable", "&Redo"), "Ctrl+Shift+Z;Ctrl+Y",
     QT_TRANSLATE_NOOP("CCommandTable", "Make the change taken back again")},
    {EditMoveUp, QT_TRANSLATE_NOOP("CCommandTable", "M&ove Up"), "Alt+Up",
     QT_TRANSLATE_NOOP("CCommandTable", "Move the selected channels up by one")},
    {EditMoveDown, QT_TRANSLATE_NOOP("CCommandTable", "Move Do&wn"), "Alt+Down",
     QT_TRANSLATE_NOOP("CCommandTable", "Move the selected channels down by one")},
    {EditSortFrequency, QT_TRANSLATE_NOOP("CCommandTable", "Sort by Fre&quency"), "",
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Sort the memory channels by frequency, cleared channels last")},
    {EditSortName, QT_TRANSLATE_NOOP("CCommandTable", "Sort by &Name"), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Sort the memory channels by name, cleared channels last")},
    {EditSortTone, QT_TRANSLATE_NOOP("CCommandTable", "Sort b&y Tone"), "",
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Sort the memory channels by tone mode and tone, cleared channels last")},
    {EditFind, QT_TRANSLATE_NOOP("CCommandTable", "&Find..."), "Ctrl+F",
     QT_TRANSLATE_NOOP("CCommandTable", "Find a channel by name or frequency")},
    {EditFindNext, QT_TRANSLATE_NOOP("CCommandTable", "Find Ne&xt"), "F3",
     QT_TRANSLATE_NOOP("CCommandTable", "Find the next channel that matches")},
    {EditFindPrevious, QT_TRANSLATE_NOOP("CCommandTable", "Find Pre&vious"), "Shift+F3",
     QT_TRANSLATE_NOOP("CCommandTable", "Find the previous channel that matches")},
    {PgrMemory, QT_TRANSLATE_NOOP("CCommandTable", "&PGR Memory..."), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Edit the pager codes")},
    {DtmfAutodial, QT_TRANSLATE_NOOP("CCommandTable", "&DTMF Autodial..."), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Edit the DTMF autodial memories")},
    {CommonSetting, QT_TRANSLATE_NOOP("CCommandTable", "&Common Setting..."), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Edit the radio's common settings")},
    {ViewInUseOnly, QT_TRANSLATE_NOOP("CCommandTable", "Channels in &Use Only"), "",
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Show only the memory channels in use, or every memory channel")},
    {ViewToolbar, QT_TRANSLATE_NOOP("CCommandTable", "&Toolbar"), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Show or hide the toolbar")},
    {ViewStatusBar, QT_TRANSLATE_NOOP("CCommandTable", "&Status Bar"), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Show or hide the status bar")},
    {ModelVersion0, "&GEN", "",
     QT_TRANSLATE_NOOP("CCommandTable", "Use the data of the GEN version (the data is reset)")},
    {ModelVersion1, "S&EA", "",
     QT_TRANSLATE_NOOP("CCommandTable", "Use the data of the SEA version (the data is reset)")},
    {ModelVersion2, "&USA", "",
     QT_TRANSLATE_NOOP("CCommandTable", "Use the data of the USA version (the data is reset)")},
    {ModelVersion3, "EU&R", "",
     QT_TRANSLATE_NOOP("CCommandTable", "Use the data of the EUR version (the data is reset)")},
    {ModelVersion4, QT_TRANSLATE_NOOP("CCommandTable", "&No version"), "",
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Use the data of no particular version (the data is reset)")},
    {Com1, "COM&1", "", QT_TRANSLATE_NOOP("CCommandTable", "Clone through serial port COM1")},
    {Com2, "COM&2", "", QT_TRANSLATE_NOOP("CCommandTable", "Clone through serial port COM2")},
    {Com3, "COM&3", "", QT_TRANSLATE_NOOP("CCommandTable", "Clone through serial port COM3")},
    {Com4, "COM&4", "", QT_TRANSLATE_NOOP("CCommandTable", "Clone through serial port COM4")},
    {CloneRead, QT_TRANSLATE_NOOP("CCommandTable", "&Read <- TR"), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Read the radio's memory")},
    {CloneWrite, QT_TRANSLATE_NOOP("CCommandTable", "&Write -> TR"), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Write the data into the radio")},
    {CloneInformation, QT_TRANSLATE_NOOP("CCommandTable", "&Information..."), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Show the connected radio's version and options")},
    {CloneBackup, QT_TRANSLATE_NOOP("CCommandTable", "Back &up before writing"), "",
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Read the radio and keep the read in the radio history before every write")},
    {CloneVerify, QT_TRANSLATE_NOOP("CCommandTable", "&Verify after writing"), "",
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Read the radio back after every write and name what it holds differently")},
    {HelpContents, QT_TRANSLATE_NOOP("CCommandTable", "&Contents"), "F1",
     QT_TRANSLATE_NOOP("CCommandTable", "Show the user manual")},
    {AppAbout, QT_TRANSLATE_NOOP("CCommandTable", "&About CP-Z5..."), "",
     QT_TRANSLATE_NOOP("CCommandTable", "Show the program's version")},
    {NextPane, QT_TRANSLATE_NOOP("CCommandTable", "Next Pane"), "F6", ""},
    {PrevPane, QT_TRANSLATE_NOOP("CCommandTable", "Previous Pane"), "Shift+F6", ""},
};

// Keys that a menu item names after its text without being its shortcut:
// Enter edits a channel only where the grid has the focus, which handles it.
constexpr struct {
    int id;
    const char* key;
} kShownKeys[] = {{EditMemory, "Enter"}};

constexpr int kFileMenu[] = {
    FileNewMenu, FileOpen,     FileSave,    FileSaveAs, 0,         FileImportCsv,    FileExportCsv,
    0,           FileCompare,  FileHistory, 0,          FilePrint, FilePrintPreview, FileExportPdf,
    0,           FileMruFirst, 0,           AppExit};
constexpr int kEditMenu[] = {EditUndo,
                             EditRedo,
                             0,
                             EditMemory,
                             EditSetField,
                             0,
                             EditCut,
                             EditCopy,
                             EditPaste,
                             0,
                             EditClear,
                             EditDelete,
                             EditInsert,
                             0,
                             EditSelectAll,
                             0,
                             EditMoveUp,
                             EditMoveDown,
                             0,
                             EditSortFrequency,
                             EditSortName,
                             EditSortTone,
                             0,
                             EditFind,
                             EditFindNext,
                             EditFindPrevious};
constexpr int kViewMenu[] = {PgrMemory, DtmfAutodial, CommonSetting, 0, ViewInUseOnly,
                             0,         ViewToolbar,  ViewStatusBar};
constexpr int kComMenu[] = {Com1, Com2, Com3, Com4};
constexpr int kCloneMenu[] = {CloneRead, CloneWrite,      0, CloneBackup, CloneVerify,
                              0,         CloneInformation};
constexpr int kHelpMenu[] = {HelpContents, 0, AppAbout};

constexpr SMenuDef kMenuBar[] = {
    {QT_TRANSLATE_NOOP("CCommandTable", "&File"), kFileMenu},
    {QT_TRANSLATE_NOOP("CCommandTable", "&Edit"), kEditMenu},
    {QT_TRANSLATE_NOOP("CCommandTable", "&View"), kViewMenu},
    {QT_TRANSLATE_NOOP("CCommandTable", "C&OM Port"), kComMenu},
    {QT_TRANSLATE_NOOP("CCommandTable", "&Clone"), kCloneMenu},
    {QT_TRANSLATE_NOOP("CCommandTable", "&Help"), kHelpMenu},
};

constexpr int kModelVersions[] = {ModelVersion0, ModelVersion1, ModelVersion2, ModelVersion3,
                                  ModelVersion4};
constexpr SMenuDef kModelMenu = {QT_TRANSLATE_NOOP("CCommandTable", "&Model"), kModelVersions};

constexpr int kContextItems[] = {EditMemory, EditSetField, 0, EditCut,
                                 EditCopy,   EditPaste,    0, EditClear,
                                 EditDelete, EditInsert};
constexpr SMenuDef kContextMenu = {"", kContextItems};

constexpr int kToolbar[] = {FileNewMenu,
                            FileOpen,
                            FileSave,
                            FilePrint,
                            0,
                            EditMemory,
                            EditCopy,
                            EditPaste,
                            EditClear,
                            0,
                            PgrMemory,
                            DtmfAutodial,
                            CommonSetting,
                            0,
                            Com1,
                            Com2,
                            Com3,
                            Com4,
                            0,
                            CloneRead,
                            CloneWrite,
                            CloneInformation,
                            0,
                            HelpContents};

}  // namespace

std::span<const SCommandDef> CCommandTable::Commands() {
    return kCommands;
}

const SCommandDef* CCommandTable::Find(int id) {
    for (const SCommandDef& command : kCommands) {
        if (command.id == id) {
            return &command;
        }
    }
    return nullptr;
}

const char* CCommandTable::ShownKey(int id) {
    for (const auto& shown : kShownKeys) {
        if (shown.id == id) {
            return shown.key;
        }
    }
    return "";
}

bool CCommandTable::IsRowCommand(int id) {
    const bool inEditMenu =
        std::find(std::begin(kEditMenu), std::end(kEditMenu), id) != std::end(kEditMenu);
    return id != 0 && inEditMenu;
}

std::span<const SMenuDef> CCommandTable::MenuBar() {
    return kMenuBar;
}

const SMenuDef& CCommandTable::ModelMenu() {
    return kModelMenu;
}

const SMenuDef& CCommandTable::ContextMenu() {
    return kContextMenu;
}

std::span<const int> CCommandTable::Toolbar() {
    return kToolbar;
}

std::span<const int> CCommandTable::ModelVersionCommands() {
    return kModelVersions;
}
