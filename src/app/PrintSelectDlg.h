// CPrintSelectDlg: the dialog "Print" (resource 27000) that chooses what to
// print: everything ("1074") or any of the common settings ("1075"), the
// DTMF autodial memories ("1076"), the PGR memories ("1106") and the three
// channel lists ("1107", "1108", "1109"). While "everything" is checked the
// six others are disabled (keeping their checks); OK ("1") is enabled while
// any box is checked. "Only channels in use" ("27108") leaves cleared
// channels out of the channel lists; until it is chosen here it follows
// View > Channels in Use Only. The boxes are kept in
// the settings section "Print". "Printer Setup..." ("27107") runs the
// system's print dialog; a printer chosen there stays the job's printer for
// as long as the dialog exists. OK also gives the job the name of the clone
// file for its footers.
//
// The dialog owns its print job (and so the printer device); the program
// keeps one dialog for its whole run. The settings store, the
// user-interface port, the model options and the list pane are not owned
// and must outlive the dialog.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "print/PrintSections.h"
#include "transport/SettingsKeys.h"

class CModelOptions;
class CPrintJob;
class CPrintListPane;
class CSettingsStore;
class CUserInterface;
class QCheckBox;
class QPushButton;

class CPrintSelectDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 27000;
    static constexpr int kSetupId = 27107;
    static constexpr int kInUseOnlyId = 27108;
    static constexpr const char* kSection = SettingsKey::kPrintSection;
    static constexpr const char* kInUseOnlySetting = SettingsKey::kPrintInUseOnly.name;
    // The page margins in millimetres that every job uses.
    static constexpr int kMarginLeft = CPrintSections::kMarginLeft;
    static constexpr int kMarginTop = CPrintSections::kMarginTop;
    static constexpr int kMarginRight = CPrintSections::kMarginRight;
    static constexpr int kMarginBottom = CPrintSections::kMarginBottom;

    CPrintSelectDlg(CSettingsStore& settings, CUserInterface& ui, const CModelOptions& model,
                    CPrintListPane& lists, QWidget* parent = nullptr);
    ~CPrintSelectDlg() override;

    CPrintJob& Job() { return *m_job; }

    // Where OK finds the clone file's name for the footers ("" when not
    // set: "Untitled").
    void SetFileNameSource(std::function<std::string()> source) { m_fileName = std::move(source); }

    // Runs the dialog; after OK the job list holds the chosen sections.
    // Returns the dialog's result (QDialog::Accepted for OK).
    int exec() override;

  public slots:
    void accept() override;

  private:
    struct SBox {
        int controlId;
        const char* text;
        const char* setting;
        int defaultValue;
        int section;
    };
    static const std::array<SBox, 7> kBoxes;
    static constexpr int kFirstListBoxId = 1107;  // the boxes of the channel lists follow

    static QString BoxText(const SBox& box);

    void ReadSettings();
    void UpdateControls();
    void OnPrinterSetup();
    void TakeOptions();

    CSettingsStore& m_settings;
    std::unique_ptr<CPrintJob> m_job;
    std::array<QCheckBox*, 7> m_checks{};
    QCheckBox* m_inUseOnly = nullptr;
    QPushButton* m_ok = nullptr;
    std::function<std::string()> m_fileName;
};
