#include "model/Z5Versions.h"

#include <iterator>

#include "model/RowLookup.h"

namespace z5version {

const SVersion* Find(int number) {
    return FindRow(kVersions, number, &SVersion::number);
}

const SVersion* FindByName(std::string_view name) {
    return FindRow(kVersions, name, &SVersion::name);
}

const char* NameOf(int number) {
    const SVersion* version = Find(number);
    return version != nullptr ? version->name : "";
}

int OfOptionByte(std::uint8_t optionByte) {
    return optionByte & kOptionMask;
}

std::string NameList() {
    std::string list;
    for (std::size_t i = 0; i < std::size(kVersions); ++i) {
        if (i > 0) {
            list += i + 1 == std::size(kVersions) ? " or " : ", ";
        }
        list += kVersions[i].name;
    }
    return list;
}

}  // namespace z5version
