#pragma once

#include <algorithm>
#include <functional>
#include <iterator>
#include <string_view>
#include <type_traits>

// The first row of a table whose field (a member or a function of the row)
// equals key; nullptr when none does. Text fields compare as text, not as
// pointers.
template <class Rows, class Key, class Field>
auto FindRow(const Rows& rows, const Key& key, Field field) -> decltype(&*std::begin(rows)) {
    const auto it = std::find_if(std::begin(rows), std::end(rows), [&](const auto& row) {
        if constexpr (std::is_convertible_v<Key, std::string_view>) {
            return std::string_view(key) == std::string_view(std::invoke(field, row));
        } else {
            return key == std::invoke(field, row);
        }
    });
    return it != std::end(rows) ? &*it : nullptr;
}
