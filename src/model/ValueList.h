// CValueList: a CValue with named choices and excluded values.
//
// names maps a choice text to its value; texts are compared exactly and
// case-sensitively. A value may have no text; the memory map never gives two
// texts the same value (if it happens, GetText shows the first text in byte
// order). Excluded values are invalid even inside the range; SetValue still
// clamps only to the range.
//
// The choices may be shared with other lists (ShareChoices, copies): a
// change of one list's choices copies them first, so it never reaches
// another list.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "model/Value.h"

class CValueList : public CValue {
  public:
    using Names = std::map<std::string, std::int32_t, std::less<>>;

    CValueList(std::int32_t minimum, std::int32_t maximum, std::int32_t initial = 0);

    // In the range and not excluded.
    bool IsValid(std::int32_t v) const override;
    // The text of the current value, or "" when it has none.
    std::string GetText() const override { return TextOf(GetValue()); }

    // Gives value the text; a text already known is given the new value.
    void AddName(std::string_view text, std::int32_t value);
    void AddExcluded(std::int32_t value);

    // The value named text (exact match), or none.
    std::optional<std::int32_t> ValueOf(std::string_view text) const;
    // The text of value, or "".
    std::string TextOf(std::int32_t value) const;

    // Adds every name and excluded value of other (a name other also has is
    // overwritten by other's value; other entries stay).
    void MergeChoices(const CValueList& other);
    // Replaces the names and excluded values by other's, shared with it: the
    // memory map gives every leaf of a row the same choices this way.
    void ShareChoices(const CValueList& other);

    const Names& GetNames() const { return m_choices->names; }
    const std::set<std::int32_t>& GetExcluded() const { return m_choices->excluded; }

  private:
    struct SChoices {
        Names names;
        std::set<std::int32_t> excluded;
    };
    // The choices, copied first when another list shares them.
    SChoices& OwnChoices();

    std::shared_ptr<SChoices> m_choices;  // changed only while not shared
};
