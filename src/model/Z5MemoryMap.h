// The memory map of the QM-Z5 as data: the areas of the data tree, their
// records in the 1,952-byte image and, for every leaf, its node class,
// choices, place in the image and codec. CZ5RadioDataManager builds the tree
// from these tables and walks them to decode and encode.
//
// It is the only place that knows the layout: every other part of the
// program names areas, leaves and model options by the constants below (a
// misspelt constant does not compile) and asks the queries at the end for
// addresses, record counts, flag positions, bands, option bits and choices.
// A query by a name that is not in the map is a fault of our own code: it is
// reported through ReportUnknownName (LookupCheck.h), which stops checked
// builds. Names that come from outside (CSV headers, command-line paths) go
// through FindArea and FindLeaf, which only answer nullptr.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Z5Areas.h"
#include "model/Z5Versions.h"

// The leaves of the records, each spelled once.
namespace z5leaf {
// A channel (areas "MCH", "PCH", "CCH").
inline constexpr char kClear[] = "Clear";
inline constexpr char kFreqRx[] = "FreqRx";
inline constexpr char kRef[] = "Ref";
inline constexpr char kFreqOw[] = "FreqOw";
inline constexpr char kRefOw[] = "RefOw";
inline constexpr char kTxInhibit[] = "TXInhibit";
inline constexpr char kTxPower[] = "TXPower";
inline constexpr char kDuplex[] = "Duplex";
inline constexpr char kDupRev[] = "DupRev";
inline constexpr char kName[] = "Name";
inline constexpr char kToneSet[] = "TONESet";
inline constexpr char kToneCode[] = "TONECode";
inline constexpr char kTsqlCode[] = "TSQLCode";
inline constexpr char kDtcsCode[] = "DTCSCode";
inline constexpr char kDtcsInv[] = "DTCSInv";
inline constexpr char kAniSet[] = "ANISet";
inline constexpr char kAniCode[] = "ANICode";
inline constexpr char kScrmSet[] = "SCRMSet";
inline constexpr char kScrmCode[] = "SCRMCode";
inline constexpr char kSkip[] = "Skip";  // also a pager memory's
// The settings (area "Common").
inline constexpr char kResume[] = "Resume";
inline constexpr char kLight[] = "Light";
inline constexpr char kContrast[] = "Contrast";
inline constexpr char kPowSave[] = "PowSave";
inline constexpr char kMicFunc[] = "MicFunc";
inline constexpr char kRepeater[] = "Repeater";
inline constexpr char kPowOff[] = "PowOff";
inline constexpr char kTot[] = "TOT";
inline constexpr char kLockout[] = "Lockout";
inline constexpr char kSqlDelay[] = "SqlDelay";
inline constexpr char kDialSel[] = "DialSel";
inline constexpr char kMemoDisp[] = "MemoDisp";
inline constexpr char kFuncMode[] = "FuncMode";
inline constexpr char kScanEdge[] = "ScanEdge";
inline constexpr char kAniFunc[] = "AniFunc";
inline constexpr char kAniFuncTmp[] = "AniFuncTmp";
inline constexpr char kAniTot[] = "AniTOT";
inline constexpr char kAniLockout[] = "AniLockout";
inline constexpr char kAniTxCh[] = "AniTxCh";
inline constexpr char kType[] = "Type";
inline constexpr char kGCode[] = "GCode";
inline constexpr char kSynchro[] = "Synchro";
inline constexpr char kTiming[] = "Timing";
inline constexpr char kBeep[] = "Beep";
inline constexpr char kDialSpeed[] = "DialSpeed";
inline constexpr char kCloneComment[] = "CloneComment";
// The DTMF autodial (area "DTMF").
inline constexpr char kSpeed[] = "Speed";
inline constexpr char kSelectCh[] = "SelectCh";
inline constexpr char kD0[] = "D0";
inline constexpr char kD1[] = "D1";
inline constexpr char kD2[] = "D2";
inline constexpr char kD3[] = "D3";
inline constexpr char kD4[] = "D4";
// The autodial memories in order; "SelectCh" value i chooses the i-th.
inline constexpr const char* kDtmfMemories[] = {kD0, kD1, kD2, kD3, kD4};
// A pager memory (area "PGR"; its "Skip" is kSkip).
inline constexpr char kCode[] = "Code";
}  // namespace z5leaf

// The options of the model information's option byte, by the names the
// document's HasModelOption takes.
namespace z5option {
inline constexpr char kReceiveRange[] = "DETOP_RXEXP";
inline constexpr char kScrambler[] = "DETOP_SCRM";
inline constexpr char kAni[] = "DETOP_ANI";
}  // namespace z5option

class CChoiceList;
class CImageBuffer;
class CNode;
class CRuntimeClass;
class CValueList;

namespace z5map {

struct LeafRow;

// Where the leaves of one record lie.
struct RecordPlace {
    std::uint32_t address;  // first byte of the record (0 for settings areas)
    int flag_index;         // position in the flag bitmaps, -1 when it has none
};

// Moves one leaf between the image and its record node. decode sets the leaf
// row.leaf of record from the image; encode stores it. Both do nothing when
// the record has no such leaf. A codec touches only the bits its row names.
struct LeafCodec {
    void (*decode)(const CImageBuffer& image, const LeafRow& row, RecordPlace place, CNode& record);
    void (*encode)(CImageBuffer& image, const LeafRow& row, RecordPlace place, const CNode& record);
};

// Adds a leaf's choice texts to its value part.
using ChoiceFiller = void (*)(CValueList& choices);

struct LeafRow {
    const char* leaf;                 // node name
    const CRuntimeClass* node_class;  // class of the leaf node
    std::uint32_t offset;             // from the record's address
    std::uint8_t shift;               // lowest bit of a bit field
    std::uint8_t width;               // bits of a bit field; bytes of a text
    const LeafCodec* codec;           // nullptr: the leaf is not stored
    std::int32_t lowest;              // smallest value the editors offer
    std::int32_t limit;               // largest value stored (codec-specific)
    ChoiceFiller choices;             // nullptr: no choice texts
};

struct AreaLayout {
    const char* name;            // child of the root
    const char* record_prefix;   // records "CH0", "CH1"...; nullptr: the area is the record
    std::uint32_t first_record;  // address of record 0
    int record_count;
    std::uint32_t record_size;
    int first_flag;  // flag bitmap position of record 0, -1: no flags
    std::span<const LeafRow> leaves;
};

// The areas in tree order: MCH, PCH, CCH, DTMF, PGR, Common.
std::span<const AreaLayout> AreasInTreeOrder();
// Area names in the order the image is decoded and encoded.
std::span<const std::string_view> AreasInCodecOrder();
// The layout of the named area, or nullptr (for names from outside).
const AreaLayout* FindArea(std::string_view name);
// The row of leaf in area, or nullptr (for names from outside).
const LeafRow* FindLeaf(const AreaLayout& area, std::string_view leaf);

// ---- checked queries: an unknown name is reported (LookupCheck.h) ----------

// The layout of the named area; nullptr only after a report.
const AreaLayout* Area(std::string_view name);
// The row of leaf in area; nullptr only after a report.
const LeafRow* Leaf(std::string_view area, std::string_view leaf);

// Size of the memory image in bytes (0 to 0x79F).
inline constexpr std::uint32_t kImageSize = 0x7A0;
// The model code and revision the radio reports and every clone file names.
inline constexpr std::uint16_t kModelCode = 0x2468;
inline constexpr std::uint16_t kRevision = 1;

// The model code and the revision as eight upper-case hexadecimal digits
// ("24680001"), followed by a terminating zero.
constexpr std::array<char, 9> ModelText(std::uint16_t code, std::uint16_t revision) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    const std::uint32_t both = static_cast<std::uint32_t>(code) << 16 | revision;
    std::array<char, 9> text{};
    for (int digit = 0; digit < 8; ++digit) {
        text[static_cast<std::size_t>(digit)] = kDigits[(both >> (28 - 4 * digit)) & 0xF];
    }
    return text;
}
// The model text stamped into every image, and where.
inline constexpr std::uint32_t kModelTextAddress = 0x798;
inline constexpr std::array<char, 9> kModelText = ModelText(kModelCode, kRevision);

// Address of record i of the channel or pager area.
std::uint32_t RecordAddress(const AreaLayout& area, int record);
// The receive frequency in Hz of channel record i of a channel area, read
// from image as the map decodes it.
std::int32_t ReceiveFrequency(const CImageBuffer& image, const AreaLayout& area, int record);
// The name of record i of an area with records ("CH12", "C3").
std::string RecordName(const AreaLayout& area, int record);
// The dotted path of record i of the named area ("MCH.CH12", "PGR.C3").
std::string RecordPath(std::string_view area, int record);
// Number of records (rows) of the named area; 0 after a report.
int RecordCount(std::string_view area);
// Where the bit of a flag leaf ("Clear" or "Skip") of record i of a channel
// area lies; none when the area's records have no flags (the call channel).
struct FlagBit {
    std::uint32_t address;
    unsigned bit;
};
std::optional<FlagBit> FlagPosition(const AreaLayout& area, std::string_view flagLeaf, int record);

// The values an editor offers for leaf of area, both ends included.
struct ValueRange {
    std::int32_t lowest;
    std::int32_t highest;
};
ValueRange ChoiceRange(std::string_view area, std::string_view leaf);
// The choice texts of leaf for the values of ChoiceRange, in value order;
// empty for a leaf without choices.
std::vector<std::string> ChoiceTexts(std::string_view area, std::string_view leaf);
// Fills list with the choice texts of leaf of the record or area node parent
// for the values of ChoiceRange (see FillChoiceList); false when parent has
// no such leaf.
bool FillLeafChoices(CNode* parent, std::string_view area, std::string_view leaf,
                     CChoiceList& list);
// The choice text of value for leaf, empty when it has none.
std::string ChoiceText(std::string_view area, std::string_view leaf, std::int32_t value);

using Band = z5version::Band;
// What the receiver covers at all.
inline constexpr Band kReceiverCoverage = {136'000'000, 174'000'000};
// The band of a market version (Z5Versions.h); none for any other version
// (z5version::kNone: no version known).
std::optional<Band> VersionBand(int version);

// Whether the option byte has the named option (0 or 1); -1 after a report
// for a name that is not an option.
int HasOption(std::uint8_t optionByte, std::string_view option);
// The same for a name from outside (the document's HasModelOption takes any
// name): -1 for a name that is not an option, without a report.
int FindOption(std::uint8_t optionByte, std::string_view option);

}  // namespace z5map
