// CHistoryDlg: the reads kept in the radio history, newest first: time,
// identity, version and channels in use. Open makes the chosen read the
// data (as a new, untitled document); Compare compares it with the data.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QTreeWidget;

class CHistoryDlg : public QDialog {
    Q_OBJECT
  public:
    struct SRow {
        std::string path;
        std::string time;
        std::string identity;
        std::string version;
        int channelsInUse = -1;  // -1 when the file cannot be read
    };
    enum class EChoice { None, Open, Compare };

    CHistoryDlg(std::vector<SRow> rows, const QString& folder, QWidget* parent = nullptr);

    EChoice Choice() const { return m_choice; }
    // The path of the chosen row ("" with EChoice::None).
    std::string ChosenPath() const;
    QTreeWidget* Tree() const { return m_tree; }

    // Chooses row (0 = the newest) with choice, as the buttons do.
    void ChooseRow(int row, EChoice choice);

  private:
    void Choose(EChoice choice);

    std::vector<SRow> m_rows;
    QTreeWidget* m_tree;
    EChoice m_choice = EChoice::None;
};
