// The columns of the channel CSV layout and how each maps to the leaves of a
// memory channel (MCH.CHn): the export texts of every column, and the rules
// that check one data row and turn it into the leaf values an import writes.
//
// Import decisions:
// - Frequency: MHz, a multiple of 5 kHz or 6.25 kHz (the steps the radio
//   stores: the 5 kHz / 12.5 kHz raster of typed frequencies lies on them,
//   and a 6.25 kHz channel read from a radio comes back as it was), inside
//   the receive range: what a write to the radio keeps (136 to 174 MHz and
//   the band of the model version, or all of 136 to 174 MHz with the
//   receive-range option; with no version known, anything up to the leaf's
//   199.990 MHz). 0 is no frequency.
// - Duplex "", "+", "-"; also "off" (transmit inhibited) and "split" (Offset
//   holds the transmit frequency; it becomes a duplex offset). Offset: MHz on
//   the raster, at most the leaf's 99.995 MHz.
// - Tone "", "Tone", "TSQL", "DTCS"; rToneFreq, cToneFreq: tones of the
//   radio's table; DtcsCode: one of its DTCS codes (leading zeros may be
//   missing, as spreadsheets drop them); DtcsPolarity "NN" or "RR" (one
//   inversion for both directions); RxDtcsCode, with Tone "DTCS" and a
//   DtcsCode, empty or that code (the radio has one code for both
//   directions; with another Tone the column means nothing).
// - CrossMode "", "Tone->Tone" or "DTCS->DTCS" (no cross modes); Mode "" or
//   "FM". Skip "", "S" (skipped) or "P" (scanned). Power "Low" is low power,
//   every other text high. TStep, Comment and the digital-voice columns are
//   not read. Words are compared with letter case ignored.
// An empty field (or a missing column) leaves the leaf at its fresh-channel
// value; Name is the exception: an empty name is a name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CChannelCsvRow;
class CNode;

// What importing one row writes: the channel number and leaf values.
struct SChannelPlan {
    int location = -1;                                         // -1 until a valid Location was read
    std::vector<std::pair<std::string, std::int32_t>> values;  // leaf name, value
    std::optional<std::string> name;                           // "Name", when given

    // Sets the value of leaf, replacing one set before.
    void SetValue(std::string_view leaf, std::int32_t value);
};

// What a row is checked against.
struct SChannelCsvLimits {
    const CNode* prototype = nullptr;  // a memory channel: its leaves give choices and ranges
    int channelCount = 0;              // Locations run from 0 to channelCount - 1
    int version = 0;                   // model version; see the receive range above
    bool extendedRange = false;        // the receive-range option
    std::string versionName;           // for the reason texts
};

namespace ChannelCsvColumns {

// The header row, in the layout's order.
std::vector<std::string> Headers();
// The columns an import cannot do without.
inline constexpr std::string_view kRequiredHeaders[] = {"Location", "Frequency"};

// One field per header for channel number location.
std::vector<std::string> ExportFields(const CNode& channel, int location);

// Checks row and fills plan. Returns why the row cannot be imported; empty
// when it can.
std::vector<std::string> ReadRow(const CChannelCsvRow& row, const SChannelCsvLimits& limits,
                                 SChannelPlan& plan);

}  // namespace ChannelCsvColumns
