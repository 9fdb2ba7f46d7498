// CPrintJob: the desktop program's print run: the sections of the printout
// (CPrintSections) printed while a status window offers Cancel.
//
// The job owns its printer device; the user-interface port, the model
// options and the list pane are not owned and must outlive it.
#pragma once

#include <memory>

#include "print/PrintSections.h"

class CPrintStatusDlg;
class QWidget;

class CPrintJob : public CPrintSections {
  public:
    CPrintJob(std::unique_ptr<CPrintDevice> printer, CUserInterface& ui, const CModelOptions& model,
              CPrintListPane& lists);
    ~CPrintJob() override;

    // Prints the list (CPrintSections::Run) while the status window is
    // shown over owner (may be nullptr), which is disabled meanwhile.
    EResult Run(QWidget* owner);

  protected:
    void PagesStarting() override;
    void PagesDone() override;

  private:
    QWidget* m_owner = nullptr;
    std::unique_ptr<CPrintStatusDlg> m_status;
};
