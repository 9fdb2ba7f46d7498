// CZ5TreeView: the tree of the radio's memory areas in the left pane:
// "QM-Z5" with the channel lists under it (z5area::ChannelAreas).
// Choosing an area (selection, Enter, double click) asks for it to be shown
// (AreaChosen); the keyboard focus stays in the tree. Tab asks for the focus
// to go to the list (FocusListRequested).
#pragma once

#include <QIcon>
#include <QTreeWidget>

class CZ5TreeView : public QTreeWidget {
    Q_OBJECT
  public:
    // Item data of the items.
    static constexpr int kRootData = 304;
    static constexpr int kMemoryData = 5;
    static constexpr int kScanEdgeData = 6;
    static constexpr int kCallData = 7;

    explicit CZ5TreeView(QWidget* parent = nullptr);
    ~CZ5TreeView() override;

    // Refills the tree; the area that was selected stays selected (Memory CH
    // when none was), and it is shown again.
    void RebuildTree();

    // The item data of the selected item, or -1.
    int SelectedData() const;
    // Selects the item with the given data (and so shows its area).
    void SelectData(int data);

    // The list area of item data 5, 6, 7; -1 for any other.
    static int AreaOfData(int data);

  signals:
    void AreaChosen(int area);
    void FocusListRequested();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void OnSelectionChanged();
    // Shows the item's area; true when it is an area item.
    bool ChooseItem(QTreeWidgetItem* item);
    QTreeWidgetItem* FindData(int data) const;

    // Made once: every icon drawn is kept in the application's pixmap cache
    // under the icon's key, so new icons at each rebuild (after every read)
    // would fill it.
    const QIcon m_rootIcon;
    const QIcon m_areaIcon;
};
