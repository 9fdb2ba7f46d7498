// CHistoryDlg: the reads kept in the radio history, newest first: the time
// of the read in the user's local time, the radio's identity and its
// version, as the entries' names tell them, so that no entry is read to be
// listed. The chosen entry's details (the channels in use) show below the
// list, read once the choice rests for a moment. Open makes the chosen read
// the data (as a new, untitled document); Compare compares it with the data.
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QTreeView;

class CHistoryDlg : public QDialog {
    Q_OBJECT
  public:
    struct SRow {
        std::string path;
        std::string time;  // as shown
        std::string identity;
        std::string version;
    };
    enum class EChoice { None, Open, Compare };
    // The details of the entry at path, one line ("12 channels in use").
    using Details = std::function<std::string(const std::string& path)>;

    CHistoryDlg(std::vector<SRow> rows, const QString& folder, Details details,
                QWidget* parent = nullptr);

    EChoice Choice() const { return m_choice; }
    // The path of the chosen row ("" with EChoice::None).
    std::string ChosenPath() const;
    QTreeView* Tree() const { return m_tree; }
    // The details line of the current row ("" until they were read).
    QString DetailsText() const;

    // Chooses row (0 = the newest) with choice, as the buttons do.
    void ChooseRow(int row, EChoice choice);

  private:
    int CurrentRow() const;
    void Choose(EChoice choice);
    void ShowDetails();

    const std::shared_ptr<const std::vector<SRow>> m_rows;
    const Details m_details;
    QTreeView* m_tree;
    QLabel* m_detailsLine;
    QTimer m_detailsDelay;
    EChoice m_choice = EChoice::None;
};
