#include "app/CommandTable.h"

#include <algorithm>
#include <array>

#include "ui/CommandIds.h"

namespace {

using namespace Cmd;

constexpr SCommandDef kCommands[] = {
    {FileNewMenu, "&New", "Ctrl+N", "Start new data: the factory settings of the radio's version"},
    {FileOpen, "&Open...", "Ctrl+O", "Open a clone file"},
    {FileSave, "&Save", "Ctrl+S", "Save the data to its clone file"},
    {FileSaveAs, "Save &As...", "Ctrl+Shift+S", "Save the data to a new clone file"},
    {FileImportCsv, "&Import CSV...", "", "Read memory channels from a CSV channel list"},
    {FileExportCsv, "&Export CSV...", "", "Write the memory channels as a CSV channel list"},
    {FilePrint, "&Print", "Ctrl+P", "Print the data"},
    {FilePrintPreview, "Print Pre&view...", "", "Show the pages that Print would print"},
    {FileExportPdf, "Export P&DF...", "", "Write the pages that Print would print to a PDF file"},
    {FileCompare, "Compare &With...", "",
     "List the values that differ between the data and another clone file"},
    {FileHistory, "Radio &History...", "", "Open or compare a read kept from the radio"},
    {FileMruFirst, "&Recent File", "", "Open this clone file"},
    {FileMruFirst + 1, "&Recent File", "", "Open this clone file"},
    {FileMruFirst + 2, "&Recent File", "", "Open this clone file"},
    {FileMruLast, "&Recent File", "", "Open this clone file"},
    {AppExit, "E&xit", "Ctrl+Q", "Quit the program"},
    {EditMemory, "&Edit Memory...\tEnter", "", "Edit the selected channel"},
    {EditSetField, "&Set Field...", "",
     "Give one field the same value on every selected channel in use"},
    {EditCut, "Cu&t", "Ctrl+X;Shift+Del", "Copy the selected channels, then clear them"},
    {EditCopy, "&Copy", "Ctrl+C;Ctrl+Ins", "Copy the selected channels"},
    {EditPaste, "&Paste", "Ctrl+V;Shift+Ins", "Paste copied channels from the selected one on"},
    {EditClear, "C&lear", "", "Clear the selected channels"},
    {EditDelete, "&Delete", "Del", "Delete the selected channels and move the ones below up"},
    {EditInsert, "&Insert", "Ins",
     "Insert as many empty channels as are selected and move the ones below down"},
    {EditSelectAll, "Select &All", "Ctrl+A", "Select every channel of the list"},
    {EditUndo, "&Undo", "Ctrl+Z;Alt+Backspace", "Take the last change back"},
    {EditRedo, "&Redo", "Ctrl+Shift+Z;Ctrl+Y", "Make the change taken back again"},
    {EditMoveUp, "M&ove Up", "Alt+Up", "Move the selected channels up by one"},
    {EditMoveDown, "Move Do&wn", "Alt+Down", "Move the selected channels down by one"},
    {EditSortFrequency, "Sort by Fre&quency", "",
     "Sort the memory channels by frequency, cleared channels last"},
    {EditSortName, "Sort by &Name", "", "Sort the memory channels by name, cleared channels last"},
    {EditSortTone, "Sort b&y Tone", "",
     "Sort the memory channels by tone mode and tone, cleared channels last"},
    {EditFind, "&Find...", "Ctrl+F", "Find a channel by name or frequency"},
    {EditFindNext, "Find Ne&xt", "F3", "Find the next channel that matches"},
    {EditFindPrevious, "Find Pre&vious", "Shift+F3", "Find the previous channel that matches"},
    {PgrMemory, "&PGR Memory...", "", "Edit the pager codes"},
    {DtmfAutodial, "&DTMF Autodial...", "", "Edit the DTMF autodial memories"},
    {CommonSetting, "&Common Setting...", "", "Edit the radio's common settings"},
    {ViewInUseOnly, "Channels in &Use Only", "",
     "Show only the memory channels in use, or every memory channel"},
    {ViewToolbar, "&Toolbar", "", "Show or hide the toolbar"},
    {ViewStatusBar, "&Status Bar", "", "Show or hide the status bar"},
    {ModelVersion0, "&GEN", "", "Use the data of the GEN version (the data is reset)"},
    {ModelVersion1, "S&EA", "", "Use the data of the SEA version (the data is reset)"},
    {ModelVersion2, "&USA", "", "Use the data of the USA version (the data is reset)"},
    {ModelVersion3, "EU&R", "", "Use the data of the EUR version (the data is reset)"},
    {ModelVersion4, "&No version", "", "Use the data of no particular version (the data is reset)"},
    {Com1, "COM&1", "", "Clone through serial port COM1"},
    {Com2, "COM&2", "", "Clone through serial port COM2"},
    {Com3, "COM&3", "", "Clone through serial port COM3"},
    {Com4, "COM&4", "", "Clone through serial port COM4"},
    {CloneRead, "&Read <- TR", "", "Read the radio's memory"},
    {CloneWrite, "&Write -> TR", "", "Write the data into the radio"},
    {CloneInformation, "&Information...", "", "Show the connected radio's version and options"},
    {CloneBackup, "Back &up before writing", "",
     "Read the radio and keep the read in the radio history before every write"},
    {CloneVerify, "&Verify after writing", "",
     "Read the radio back after every write and name what it holds differently"},
    {HelpContents, "&Contents", "F1", "Show the user manual"},
    {AppAbout, "&About CP-Z5...", "", "Show the program's version"},
    {NextPane, "Next Pane", "F6", ""},
    {PrevPane, "Previous Pane", "Shift+F6", ""},
};

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
    {"&File", kFileMenu},    {"&Edit", kEditMenu},   {"&View", kViewMenu},
    {"C&OM Port", kComMenu}, {"&Clone", kCloneMenu}, {"&Help", kHelpMenu},
};

constexpr int kModelVersions[] = {ModelVersion0, ModelVersion1, ModelVersion2, ModelVersion3,
                                  ModelVersion4};
constexpr SMenuDef kModelMenu = {"&Model", kModelVersions};

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
