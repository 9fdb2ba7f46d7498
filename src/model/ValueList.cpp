#include "model/ValueList.h"

CValueList::CValueList(std::int32_t minimum, std::int32_t maximum, std::int32_t initial)
    : CValue(minimum, maximum, initial) {}

bool CValueList::IsValid(std::int32_t v) const {
    return CValue::IsValid(v) && !excluded_.contains(v);
}

void CValueList::AddName(std::string_view text, std::int32_t value) {
    names_.insert_or_assign(std::string(text), value);
}

std::optional<std::int32_t> CValueList::ValueOf(std::string_view text) const {
    const auto found = names_.find(text);
    if (found == names_.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::string CValueList::TextOf(std::int32_t value) const {
    for (const auto& [text, named] : names_) {
        if (named == value) {
            return text;
        }
    }
    return "";
}

void CValueList::MergeChoices(const CValueList& other) {
    if (&other == this) {
        return;
    }
    for (const auto& [text, value] : other.names_) {
        names_.insert_or_assign(text, value);
    }
    excluded_.insert(other.excluded_.begin(), other.excluded_.end());
}
