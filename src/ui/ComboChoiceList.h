// CComboChoiceList: a QComboBox seen as the model's choice list, so that
// FillChoiceList can fill a drop-down list of a window from a leaf.
//
// The combo box is not owned and must outlive the adapter. Texts go in and
// out as UTF-8.
#pragma once

#include <string_view>

#include "model/ChoiceList.h"

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
