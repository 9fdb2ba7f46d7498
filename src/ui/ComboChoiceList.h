// CComboChoiceList: a QComboBox seen as the model's choice list, so that
// FillChoiceList can fill a drop-down list of a window from a leaf.
//
// The combo box is not owned and must outlive the adapter. Texts go in and
// out as UTF-8.
#pragma once

#include <string_view>

#include "model/ChoiceList.h"

class CNode;
class QComboBox;

class CComboChoiceList : public CChoiceList {
  public:
    explicit CComboChoiceList(QComboBox& combo) : m_combo(combo) {}

    void Clear() override;
    void AddText(std::string_view text) override;
    int FindTextNoCase(std::string_view text) const override;
    void Select(int index) override;

  private:
    QComboBox& m_combo;
};

// The properties that name the area and leaf whose choices a list offers.
inline constexpr char kLeafAreaProperty[] = "leafArea";
inline constexpr char kLeafProperty[] = "leaf";

// Fills combo with the choice texts of leaf of parent for the values the
// memory map offers for area's leaf (z5map::FillLeafChoices) and names the
// leaf in combo's properties. False when parent has no such leaf.
bool FillComboFromLeaf(QComboBox& combo, CNode* parent, const char* area, const char* leaf);
