// CZ5PgrMemoryDlg: the modal dialog "PGR Memory" (window "166") that edits
// the seven pager codes of the active document's tree: the codes of
// "PGR.C0" to "PGR.C6" in edits "1053" to "1059" (digits only, at most 3)
// and the "Skip" of "PGR.C1" to "PGR.C6" in check boxes "1074" to "1079"
// ("PGR.C0" cannot be skipped).
//
// OK stores the codes and skips, then closes with Accepted; a code shorter
// than three digits is stored with leading zeros ("12" as "012"), since the
// radio holds exactly three. Cancel stores nothing. Marking the document
// modified is the caller's part (see CZ5MainFrame::RunDataDialog).
#pragma once

#include <QDialog>
#include <array>
#include <cstddef>
#include <string>

class QCheckBox;
class QLineEdit;

class CZ5PgrMemoryDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 166;
    static constexpr std::size_t kMemoryCount = 7;
    static constexpr int kCodeLength = 3;

    explicit CZ5PgrMemoryDlg(QWidget* parent = nullptr);
    ~CZ5PgrMemoryDlg() override;

    // A code as it is stored: digits only, padded with leading zeros to
    // kCodeLength, cut to kCodeLength.
    static std::string StoredCode(const std::string& typed);

  public slots:
    void accept() override;

  private:
    std::array<QLineEdit*, kMemoryCount> m_codes{};
    std::array<QCheckBox*, kMemoryCount> m_skips{};  // [0] stays nullptr
};
