// CSettingsPage: one page of the common settings sheet. Its drop-down lists
// each offer the choice texts of one leaf of the area "Common"; a page adds
// whatever other controls it needs.
//
// The controls are filled from the nodes when the page is made; the nodes
// are written only by Store, and only when the page has been displayed: a
// page the user never opened changes nothing. The area is found by path in
// the active document's tree each time it is needed; without a tree the
// lists stay empty and Store writes nothing.
#pragma once

#include <QWidget>
#include <string_view>
#include <vector>

#include "model/Z5MemoryMap.h"
#include "views/CommonSettingRows.h"

class CNode;
class QComboBox;
class QFormLayout;
class QLayout;
class QShowEvent;

class CSettingsPage : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* kArea = z5area::kCommon;

    ~CSettingsPage() override;

    // True once the page has been on the screen.
    bool WasDisplayed() const { return m_displayed; }
    // Writes the controls' values to the nodes when the page was displayed;
    // does nothing otherwise.
    void Store();

  protected:
    // The page's window is named after its dialog resource number.
    CSettingsPage(int resourceId, QWidget* parent);

    // Adds a labelled list for row to form, filled with the leaf's choice
    // texts for row's values and showing the leaf's current text. The list
    // is owned by the page.
    QComboBox* AddChoiceRow(QFormLayout& form, const SChoiceRow& row);
    // The list of leaf, or nullptr.
    QComboBox* ChoiceList(std::string_view leaf) const;
    // Makes content the page's layout, at its natural size in the top left
    // corner (a page smaller than the sheet keeps its lists narrow).
    void SetContent(QLayout* content);

    // The area "Common" of the active tree, or nullptr.
    static CNode* Area();

    // Called once, when the page first comes on the screen.
    virtual void OnFirstDisplay(CNode& area);
    // Writes the page's values. The base sets every list's leaf from the
    // list's text, in the order the lists were added; pages that override it
    // call it first.
    virtual void WriteBack(CNode& area);

    void showEvent(QShowEvent* event) override;

  private:
    struct SChoiceControl {
        SChoiceRow row;
        QComboBox* list;
    };

    std::vector<SChoiceControl> m_lists;
    bool m_displayed = false;
};
