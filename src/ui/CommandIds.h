// The program's command numbers. Menus, toolbar buttons and accelerators
// carry these numbers (a command's action is named "cmd" + number), and every
// command target answers by them.
#pragma once

namespace Cmd {
// File
constexpr int FileNewMenu = 32786;  // New of the menu and Ctrl+N: fresh factory data
constexpr int FileNew = 57600;      // the application's New
constexpr int FileOpen = 57601;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 57604;
constexpr int FilePrint = 57607;
constexpr int FileImportCsv = 32950;  // channel lists as CSV (our own numbers)
constexpr int FileExportCsv = 32951;
constexpr int FileMruFirst = 57616;  // "Recent File": the first of four entries
constexpr int FileMruLast = 57619;
constexpr int AppExit = 57665;

// File: comparing, the radio history, the preview (our own numbers)
constexpr int FileCompare = 32960;       // Compare With...: another clone file
constexpr int FileHistory = 32961;       // Radio History...: the kept reads
constexpr int FilePrintPreview = 32962;  // the pages Print would print
constexpr int FileExportPdf = 32965;     // the same pages as a PDF file

// Edit
constexpr int EditMemory = 32771;
constexpr int EditCopy = 57634;
constexpr int EditPaste = 57637;
constexpr int EditClear = 57632;
constexpr int EditDelete = 32812;
constexpr int EditInsert = 32804;
constexpr int EditCut = 57635;        // Copy, then Clear, as one step
constexpr int EditSelectAll = 57642;  // every row of the grid
constexpr int EditUndo = 57643;       // undoes the last step
constexpr int EditRedo = 57644;       // does the undone step again

// Edit: the order of the channels and finding one (our own numbers)
constexpr int EditMoveUp = 32970;  // the selected rows one row up
constexpr int EditMoveDown = 32971;
constexpr int EditSortFrequency = 32972;  // the memory channels sorted
constexpr int EditSortName = 32973;
constexpr int EditSortTone = 32974;
constexpr int EditFind = 32975;  // the find bar below the grid
constexpr int EditFindNext = 32976;
constexpr int EditFindPrevious = 32977;
constexpr int EditSetField = 32978;  // one field of every selected channel

// View
constexpr int PgrMemory = 166;
constexpr int DtmfAutodial = 156;
constexpr int CommonSetting = 32779;
constexpr int ViewToolbar = 59392;
constexpr int ViewStatusBar = 59393;
constexpr int ViewInUseOnly = 32979;  // the grid hides cleared memory channels (our own)

// Model versions 0 to 4 ("GEN", "SEA", "USA", "EUR", none)
constexpr int ModelVersion0 = 32800;
constexpr int ModelVersion1 = 32801;
constexpr int ModelVersion2 = 32773;
constexpr int ModelVersion3 = 32778;
constexpr int ModelVersion4 = 32777;

// COM Port
constexpr int Com1 = 32790;
constexpr int Com2 = 32791;
constexpr int Com3 = 32792;
constexpr int Com4 = 32793;

// Clone
constexpr int CloneRead = 32774;
constexpr int CloneWrite = 32775;
constexpr int CloneInformation = 32776;

// Clone: the checks around a write (our own numbers)
constexpr int CloneBackup = 32963;  // back the radio up before writing
constexpr int CloneVerify = 32964;  // read the radio back after writing

// Help
constexpr int HelpContents = 57667;
constexpr int AppAbout = 57664;

// Window
constexpr int NextPane = 57680;
constexpr int PrevPane = 57681;
}  // namespace Cmd
