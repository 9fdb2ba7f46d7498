// CZ5ListFrame: the right pane of the main window. It holds the three
// channel sheets (Memory CH, Program scan edge, Call) and an empty
// placeholder, and shows one of them at a time, filling the pane.
//
// Slots: 0 the placeholder, 1..3 the sheets of areas 1..3; the slot number
// of the shown sheet is the area shown. The sheets' host is the main
// window's (handed in; it asks the frame which area is shown and to focus
// the list), which must outlive the frame; so must the settings store.
// Every sheet follows the host's announcements of changed nodes.
#pragma once

#include <QWidget>
#include <array>

class CListSheet;
class CListSheetHost;
class CSettingsStore;
class CZ5ChListSheet;

class CZ5ListFrame : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kSlotCount = 20;

    CZ5ListFrame(CListSheetHost& host, CSettingsStore& settings, QWidget* parent = nullptr);
    ~CZ5ListFrame() override;

    // Shows the sheet of area 1..3, re-made for the model's options (rows of
    // the area, 16 columns with the scrambler unit, else 15). Any other area
    // does nothing.
    void ShowArea(int area);
    // The sheets follow the host's NodeChanges (after it took new ones).
    void FollowHostChanges();
    // The memory channels hide their cleared rows (true) or show them all.
    void SetRowsInUseOnly(bool inUseOnly);

    // The shown sheet, or nullptr.
    CListSheet* ActiveSheet() const;
    // The sheet of an area 1..3, or nullptr.
    CZ5ChListSheet* Sheet(int area) const;

    // The area of the sheet that is shown, kAreaNone when none.
    int GetListArea() const;
    // The keyboard focus to the shown sheet.
    void FocusList();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PlaceActiveView();

    CListSheetHost& m_host;
    std::array<QWidget*, kSlotCount> m_slots{};
    int m_activeSlot = 0;
};
