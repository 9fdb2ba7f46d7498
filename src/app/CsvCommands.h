// CCsvCommands: File > Import CSV... and Export CSV...: the memory channels
// to and from the channel-list CSV layout that spreadsheets and other radio
// programs read and write (see CChannelCsv).
//
// Import checks every row first. When some rows are bad the user sees them
// by line number and chooses between importing the good rows and importing
// nothing. Values stored otherwise than the file says them (names cut or
// cleaned, frequencies rounded to the raster) are listed afterwards. Export
// writes the channels in use.
//
// The document and the user-interface port are not owned and must outlive
// this object. The file prompts answer "" when the user cancels.
#pragma once

#include <functional>
#include <string>

class CUserInterface;
class CZ5Doc;

class CCsvCommands {
  public:
    using FilePrompt = std::function<std::string()>;

    static constexpr const char* kFilePattern = "*.csv";

    CCsvCommands(CZ5Doc& document, CUserInterface& ui);

    void SetImportPrompt(FilePrompt prompt) { m_importPrompt = std::move(prompt); }
    void SetExportPrompt(FilePrompt prompt) { m_exportPrompt = std::move(prompt); }

    // True when channels were written into the document; the document then
    // hears of them (it is marked modified and the views follow).
    bool Import();
    // Always false: the document does not change.
    bool Export();

  private:
    CZ5Doc& m_document;
    CUserInterface& m_ui;
    FilePrompt m_importPrompt;
    FilePrompt m_exportPrompt;
};
