// CZ5CommonPropSheet: the modal sheet "Common Setting" with its pages, in
// this order: Common (always), Scrambler (when the scrambler unit is fitted:
// HasModelOption("DETOP_SCRM") is 1), ANI (when HasModelOption("DETOP_ANI")
// is 1). It has OK and Cancel, no Apply and no Help.
//
// The pages edit the leaves of "Common" in the active document's tree. OK
// stores the pages that were displayed, in the order Common, Scrambler,
// ANI, then closes with Accepted; Cancel stores nothing. Marking the
// document modified is the caller's part.
#pragma once

#include <QDialog>
#include <vector>

class CModelOptions;
class CSettingsPage;
class QTabWidget;

class CZ5CommonPropSheet : public QDialog {
    Q_OBJECT
  public:
    // page: index of the page shown first among those present (0 is Common);
    // an index without a page shows Common. model is only read here.
    CZ5CommonPropSheet(const CModelOptions& model, int page, QWidget* parent = nullptr);
    ~CZ5CommonPropSheet() override;

    // The tabs, one per page present, in order.
    QTabWidget* Tabs() const { return m_tabs; }

  public slots:
    void accept() override;

  private:
    void AddPage(CSettingsPage* page, const QString& title);

    QTabWidget* m_tabs;
    std::vector<CSettingsPage*> m_pages;
};
