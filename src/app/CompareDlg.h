// CCompareDlg: the values that differ between the document and another clone
// file, grouped by channel, memory or settings area ("Memory CH 01" with its
// "Frequency" and "Name" under it, "Common" with "Time-Out Timer"), with the
// text of each side.
//
// Given a take-over, the window also takes the other file's values into the
// document: Take Selected takes the selected values and every value of the
// selected channels and memories, Take All everything; each is one step of
// Undo. The window stays open and shows what is left different.
//
// A double click on a value closes the window and leaves that leaf's path in
// ChosenPath, for the caller to go to it.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "model/LeafComparison.h"

class CFileTakeOver;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class CCompareDlg : public QDialog {
    Q_OBJECT
  public:
    // differences: the document first, the other file (named otherName)
    // second. Without OfferTakeOver the window only shows them.
    CCompareDlg(const std::vector<LeafComparison::SDifference>& differences,
                const QString& otherName, QWidget* parent = nullptr);

    // Shows Take Selected and Take All, which take through takeOver (it
    // must outlive the window) and then list what is left.
    void OfferTakeOver(CFileTakeOver& takeOver);

    // The leaves listed, in the order shown.
    std::vector<std::string> ListedPaths() const;
    // The path of the row double-clicked, "" when none was.
    const std::string& ChosenPath() const { return m_chosen; }
    QTreeWidget* Tree() const { return m_tree; }

    // What the buttons do.
    void TakeSelected();
    void TakeAll();

  private:
    void Fill(const std::vector<LeafComparison::SDifference>& differences);
    void ShowTaken(int taken);
    void UpdateButtons();
    void Choose(QTreeWidgetItem* item);

    QString m_otherName;
    QTreeWidget* m_tree;
    QLabel* m_summary;
    QLabel* m_hint;
    QPushButton* m_takeSelected;
    QPushButton* m_takeAll;
    CFileTakeOver* m_takeOver = nullptr;
    std::string m_chosen;
};
