// CPdfExport: File > Export PDF...: the pages File > Print would print,
// written to a PDF file, with or without a printer.
//
// The sections are chosen in the print dialog (its choice is remembered as
// for Print), then the file in a save dialog that suggests the clone file's
// name with ".pdf"; a name without an extension gets ".pdf". The file is
// written as clone files are saved: it is replaced only once the whole PDF
// is made, so a cancelled or failed export leaves the old file as it was. A
// target that must not be replaced (a FIFO or device, a read-only file,
// another user's link in a folder open to all, the open clone file itself)
// is refused with its reason and nothing is written.
//
// The print dialog, the document, the user-interface port, the model
// options and the list pane are not owned and must outlive this object.
#pragma once

#include <QCoreApplication>
#include <functional>
#include <string>

class CDocument;
class CModelOptions;
class CPrintListPane;
class CPrintSelectDlg;
class CUserInterface;
class QWidget;

class CPdfExport {
    Q_DECLARE_TR_FUNCTIONS(CPdfExport)

  public:
    // Asks for the file, starting from the suggested name; "" when cancelled.
    using FilePrompt = std::function<std::string(const std::string& suggested)>;

    static constexpr const char* kExtension = ".pdf";

    CPdfExport(CPrintSelectDlg& selection, const CDocument& document, CUserInterface& ui,
               const CModelOptions& model, CPrintListPane& lists);

    // Replaces the save dialog (tests).
    void SetPrompt(FilePrompt prompt) { m_prompt = std::move(prompt); }

    // The command, its windows over owner. True when the file was written.
    bool Run(QWidget* owner);

    // The name the save dialog suggests: the clone file's path with ".pdf"
    // in place of its extension, "Untitled.pdf" without a file.
    static std::string SuggestedName(const std::string& documentPath);

  private:
    std::string AskPath(QWidget* owner, const std::string& suggested) const;
    bool IsOpenCloneFile(const std::string& path) const;

    CPrintSelectDlg& m_selection;
    const CDocument& m_document;
    CUserInterface& m_ui;
    const CModelOptions& m_model;
    CPrintListPane& m_lists;
    FilePrompt m_prompt;
};
