// CZ5ListFrame: the right pane of the main window. It holds the three
// channel sheets (Memory CH, Program scan edge, Call) and an empty
// placeholder, and shows one of them at a time, filling the pane.
//
// Slots: 0 the placeholder, 1..3 the sheets of areas 1..3; the slot number
// of the shown sheet is the area shown. The frame answers the sheets'
// questions about the area and passes the others to the outer host (the
// main frame), which must outlive it; so must the settings store. Every
// sheet follows the outer host's announcements of changed nodes.
#pragma once

#include <QWidget>
#include <array>

#include "ui/ListSheetHost.h"

class CListSheet;
class CSettingsStore;
class CZ5ChListSheet;

class CZ5ListFrame : public QWidget, public CListSheetHost {
    Q_OBJECT
  public:
    static constexpr int kSlotCount = 20;

    CZ5ListFrame(CListSheetHost& outer, CSettingsStore& settings, QWidget* parent = nullptr);
    ~CZ5ListFrame() override;

    // Shows the sheet of area 1..3, re-made for the model's options (rows of
    // the area, 16 columns with the scrambler unit, else 15). Any other area
    // does nothing.
    void ShowArea(int area);
    // The sheets follow the outer host's NodeChanges (after it took new ones).
    void FollowHostChanges();

    // The shown sheet, or nullptr.
    CListSheet* ActiveSheet() const;
    // The sheet of an area 1..3, or nullptr.
    CZ5ChListSheet* Sheet(int area) const;

    int GetListArea() const override;
    void FocusTree() override;
    void FocusList() override;
    void ShowContextMenu(int menuId, const QPoint& globalPos) override;
    int HasModelOption(const std::string& name) const override;
    int GetModelVersion() const override;
    CNodeChanges* NodeChanges() const override;
    void NodesChanged(const SNodeChange& change) override;
    bool TryEnterCommand() override;
    void LeaveCommand() override;
    CUserInterface* UserInterface() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PlaceActiveView();

    CListSheetHost& m_outer;
    std::array<QWidget*, kSlotCount> m_slots{};
    int m_activeSlot = 0;
};
