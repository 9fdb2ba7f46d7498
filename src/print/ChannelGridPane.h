// CChannelGridPane: the channel lists of a document for printing without a
// window: the three grids (Memory CH, Program scan edge, Call) with the
// columns of the radio's units, one of them "shown" at a time, their cells
// read from the document's nodes as they are printed. The model options are
// the document's; a test may answer them otherwise.
//
// The document is not owned and must outlive the pane.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "print/PrintListPane.h"
#include "views/ModelOptions.h"

class CZ5Doc;

class CChannelGridPane : public CPrintListPane, public CModelOptions {
  public:
    explicit CChannelGridPane(CZ5Doc& document);
    ~CChannelGridPane() override;

    int ShownArea() const override { return m_area; }
    void ShowArea(int area) override;
    CPrintGrid* ShownGrid() override;

    int HasModelOption(const std::string& name) const override;
    int GetModelVersion() const override;

  private:
    class CGrid;

    CZ5Doc& m_document;
    std::array<std::unique_ptr<CGrid>, 3> m_grids;
    int m_area = 0;
};
