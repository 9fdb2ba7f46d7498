// The memory map of the QM-Z5 as data: the areas of the data tree, their
// records in the 1,952-byte image and, for every leaf, its node class,
// choices, place in the image and codec. CZ5RadioDataManager builds the tree
// from these tables and walks them to decode and encode.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

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
// The layout of the named area, or nullptr.
const AreaLayout* FindArea(std::string_view name);

}  // namespace z5map
