#include "model/Value.h"

#include <algorithm>

CValue::CValue(std::int32_t minimum, std::int32_t maximum, std::int32_t initial)
    : minimum_(minimum), maximum_(std::max(minimum, maximum)), initial_(initial) {
    SetValue(initial);
}

bool CValue::IsValid(std::int32_t v) const {
    return v >= minimum_ && v <= maximum_;
}

std::int32_t CValue::FindValid(std::int32_t preferred) const {
    if (IsValid(preferred)) {
        return preferred;
    }
    if (IsValid(initial_)) {
        return initial_;
    }
    // Values inside the range are invalid only when a subclass excludes them,
    // so this walk is as short as the list of exclusions.
    for (std::int64_t v = minimum_; v <= maximum_; ++v) {
        if (IsValid(static_cast<std::int32_t>(v))) {
            return static_cast<std::int32_t>(v);
        }
    }
    return minimum_;
}

void CValue::SetValue(std::int32_t v) {
    // Storing only a change keeps the pages of an unchanged tree shared with
    // the process it was forked from.
    const std::int32_t clamped = std::clamp(v, minimum_, maximum_);
    if (value_ != clamped) {
        value_ = clamped;
    }
}

std::string CValue::GetText() const {
    return std::to_string(value_);
}

void CValue::SetRange(std::int32_t minimum, std::int32_t maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    SetValue(value_);
}
