// The areas of the QM-Z5's data, each with every name the program calls it
// by: its name in the data tree ("MCH"), its title in the windows and on
// paper ("Memory CH"), its value in the print choices of the settings
// ("Mch"), its section of cpz5-cli print ("mch"), its number as a channel
// list (ListArea 1), its records and how a record's row is labelled ("00").
// Every other part names an area through this catalogue; names that come
// from outside are looked up with the Find functions, which answer nullptr
// for a name no area has.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/TranslationMark.h"

// The channel areas as the channel lists number them.
enum ListArea { kAreaNone = 0, kAreaMemory = 1, kAreaScanEdge = 2, kAreaCall = 3 };

namespace z5area {

// The areas of the data tree (children of the root).
inline constexpr char kMemory[] = "MCH";
inline constexpr char kScanEdge[] = "PCH";
inline constexpr char kCall[] = "CCH";
inline constexpr char kDtmf[] = "DTMF";
inline constexpr char kPager[] = "PGR";
inline constexpr char kCommon[] = "Common";

// How the row of record r is labelled in a channel list and on paper.
enum class ERowLabel {
    kNone,          // the area is no channel list
    kTwoDigits,     // "%02d" of r: "00".."99"
    kScanEdgePair,  // r / 2 + 1 and "A" or "B": "1A", "1B".."3B"
    kSingle,        // one row, "00"
};

struct SArea {
    const char* mapName;  // child of the data tree's root
    // Windows and paper; a settings area is called by its map name. A
    // channel list's title is translated where it is shown, with the
    // context "z5area".
    const char* title;
    const char* printKey;  // value name in the settings' print choices
    const char* cliKey;    // section name of cpz5-cli print
    ListArea listArea;     // kAreaNone: the area is no channel list
    int records;           // records (rows) below the area; 1 for an area that is its own record
    ERowLabel rowLabel;
};

// clang-format off
inline constexpr SArea kMemoryArea   {kMemory,   QT_TRANSLATE_NOOP("z5area", "Memory CH"),          "Mch",    "mch",    kAreaMemory,   100, ERowLabel::kTwoDigits};
inline constexpr SArea kScanEdgeArea {kScanEdge, QT_TRANSLATE_NOOP("z5area", "Program scan edge"),  "Pch",    "pch",    kAreaScanEdge, 6,   ERowLabel::kScanEdgePair};
inline constexpr SArea kCallArea     {kCall,     QT_TRANSLATE_NOOP("z5area", "Call"),               "Cch",    "cch",    kAreaCall,     1,   ERowLabel::kSingle};
inline constexpr SArea kDtmfArea     {kDtmf,     kDtmf,                                             "Dtmf",   "dtmf",   kAreaNone,     1,   ERowLabel::kNone};
inline constexpr SArea kPagerArea    {kPager,    kPager,                                            "Pgr",    "pgr",    kAreaNone,     7,   ERowLabel::kNone};
inline constexpr SArea kCommonArea   {kCommon,   kCommon,                                           "Common", "common", kAreaNone,     1,   ERowLabel::kNone};
// clang-format on

// Every area, in the order of the data tree.
std::span<const SArea* const> Areas();
// The channel lists, by ListArea (kAreaMemory first).
std::span<const SArea* const> ChannelAreas();

// The area with the given name of each kind; nullptr when none has it.
const SArea* FindByMapName(std::string_view name);
const SArea* FindByTitle(std::string_view title);
const SArea* FindByPrintKey(std::string_view key);
const SArea* FindByCliKey(std::string_view key);
const SArea* FindByListArea(int listArea);

// The channel list of a ListArea; any other number counts as the memory
// channels.
const SArea& ChannelArea(int listArea);
// The label of row r of a channel list; "" for an area that is none.
std::string RowLabel(const SArea& area, int row);

}  // namespace z5area
