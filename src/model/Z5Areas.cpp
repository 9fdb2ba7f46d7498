#include "model/Z5Areas.h"

#include <cstdio>

namespace z5area {
namespace {

constexpr const SArea* kAreas[] = {&kMemoryArea, &kScanEdgeArea, &kCallArea,
                                   &kDtmfArea,   &kPagerArea,    &kCommonArea};
constexpr const SArea* kChannelAreas[] = {&kMemoryArea, &kScanEdgeArea, &kCallArea};

const SArea* FindBy(std::string_view name, const char* SArea::*field) {
    for (const SArea* area : kAreas) {
        if (name == area->*field) {
            return area;
        }
    }
    return nullptr;
}

}  // namespace

std::span<const SArea* const> Areas() {
    return kAreas;
}

std::span<const SArea* const> ChannelAreas() {
    return kChannelAreas;
}

const SArea* FindByMapName(std::string_view name) {
    return FindBy(name, &SArea::mapName);
}

const SArea* FindByTitle(std::string_view title) {
    return FindBy(title, &SArea::title);
}

const SArea* FindByPrintKey(std::string_view key) {
    return FindBy(key, &SArea::printKey);
}

const SArea* FindByCliKey(std::string_view key) {
    return FindBy(key, &SArea::cliKey);
}

const SArea* FindByListArea(int listArea) {
    for (const SArea* area : kChannelAreas) {
        if (area->listArea == listArea) {
            return area;
        }
    }
    return nullptr;
}

const SArea& ChannelArea(int listArea) {
    const SArea* area = FindByListArea(listArea);
    return area != nullptr ? *area : kMemoryArea;
}

std::string RowLabel(const SArea& area, int row) {
    char label[16];
    switch (area.rowLabel) {
        case ERowLabel::kTwoDigits:
            std::snprintf(label, sizeof label, "%02d", row);
            return label;
        case ERowLabel::kScanEdgePair:
            std::snprintf(label, sizeof label, "%01d%s", row / 2 + 1, row % 2 == 0 ? "A" : "B");
            return label;
        case ERowLabel::kSingle:
            return "00";
        case ERowLabel::kNone:
            break;
    }
    return {};
}

}  // namespace z5area
