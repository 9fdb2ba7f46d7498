// CZ5DtmfAutodialDlg: the modal dialog "DTMF Autodial" (window "156") that
// edits the area "DTMF" of the active document's tree: the five autodial
// memories "D0" to "D4" (edits "1066", "1071", "1072", "1073", "1074"; 24
// characters each), the memory the radio sends ("SelectCh": radio buttons
// "1101", "1110", "1109", "1108", "1107" for D0 to D4) and the dialling
// speed ("Speed": list "1050").
//
// Codes are kept to the radio's digits as they are typed: "0"-"9" and
// "A"-"F" stay ("E" is the star key, "F" the hash key), "*" becomes "E" and
// "#" becomes "F", anything else is taken out again and the caret stays
// behind the last character typed.
// When "SelectCh" names no memory, no button is on.
//
// OK stores "Speed", "SelectCh" ("D4" when no button is on) and the five
// codes, then closes with Accepted; Cancel stores nothing. Marking the
// document modified is the caller's part.
#pragma once

#include <QDialog>
#include <array>
#include <cstddef>
#include <iterator>

#include "model/Z5MemoryMap.h"

class CNode;
class QComboBox;
class QLineEdit;
class QRadioButton;

class CZ5DtmfAutodialDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 156;
    static constexpr int kCodeLength = 24;
    static constexpr std::size_t kMemoryCount = std::size(z5leaf::kDtmfMemories);

    explicit CZ5DtmfAutodialDlg(QWidget* parent = nullptr);
    ~CZ5DtmfAutodialDlg() override;

  public slots:
    void accept() override;

  private:
    QWidget* MakeMemoryGroup(const CNode* area);
    QComboBox* MakeSpeedList(CNode* area);
    void OnCodeEdited(QLineEdit& edit);
    const char* SelectedMemory() const;

    std::array<QLineEdit*, kMemoryCount> m_codes{};
    std::array<QRadioButton*, kMemoryCount> m_buttons{};
    QComboBox* m_speed = nullptr;
};
