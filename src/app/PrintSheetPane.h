// CPrintSheetPane: the channel lists of a document for printing without the
// main window: the three sheets (Memory CH, Program scan edge, Call), one of
// them "shown" at a time, answering the sheets' questions from the
// document's model options. Needs a QApplication.
//
// The document and the settings store (column widths) are not owned and
// must outlive the pane. The command-line tool and the tests print through it.
#pragma once

#include <array>
#include <memory>

#include "app/PrintListPane.h"
#include "ui/ListSheetHost.h"

class CSettingsStore;
class CZ5ChListSheet;
class CZ5Doc;

class CPrintSheetPane : public CPrintListPane, public CListSheetHost {
  public:
    CPrintSheetPane(CZ5Doc& document, CSettingsStore& settings);
    ~CPrintSheetPane() override;

    int ShownArea() const override { return m_area; }
    // Prepares the sheet of area 1..3 as the list frame does (rows of the
    // area, the columns of the model's options); its rows read the nodes as
    // they are printed.
    void ShowArea(int area) override;
    CListSheet* ShownList() const override;

    int GetListArea() const override { return m_area; }
    void FocusTree() override {}
    void FocusList() override {}
    void ShowContextMenu(int, const QPoint&) override {}
    int HasModelOption(const std::string& name) const override;
    int GetModelVersion() const override;

  private:
    CZ5Doc& m_document;
    std::array<std::unique_ptr<CZ5ChListSheet>, 3> m_sheets;
    int m_area = kAreaNone;
};
