// CCompareDlg: the values that differ between the document and another clone
// file, one row a leaf under its area (Memory CH, Common, DTMF...), with the
// text of each side. A double click on a row closes the window and leaves
// that leaf's path in ChosenPath, for the caller to go to it.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "model/LeafComparison.h"

class QTreeWidget;
class QTreeWidgetItem;

class CCompareDlg : public QDialog {
    Q_OBJECT
  public:
    // differences: the document first, the other file (named otherName) second.
    CCompareDlg(const std::vector<LeafComparison::SDifference>& differences,
                const QString& otherName, QWidget* parent = nullptr);

    // The leaves listed, in the order shown.
    std::vector<std::string> ListedPaths() const;
    // The path of the row double-clicked, "" when none was.
    const std::string& ChosenPath() const { return m_chosen; }
    QTreeWidget* Tree() const { return m_tree; }

    // How a row's area is shown ("Memory CH" for "MCH").
    static QString AreaTitle(const std::string& area);

  private:
    void Choose(QTreeWidgetItem* item);

    QTreeWidget* m_tree;
    std::string m_chosen;
};
