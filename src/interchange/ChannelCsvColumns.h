// The columns of the channel CSV layout and how each maps to the leaves of a
// memory channel (MCH.CHn): the export texts of every column, and the rules
// that check one data row and turn it into the leaf values an import writes.
//
// The common layout's 21 columns come first, as other programs read them;
// a transmit-inhibited channel is Duplex "off" there. Then come columns of
// this program for the leaves the layout cannot say, each holding the
// leaf's choice text: TXInhibit, InhibitedDuplex (the duplex direction a
// transmit-inhibited channel keeps: "", "+" or "-"), DupRev, ANISet,
// ANICode, SCRMSet and SCRMCode. With them an exported list brought back
// into a fresh file gives every leaf of every channel in use.
//
// Free texts (Name) that a spreadsheet would take for a formula, because
// they begin with "=", "+", "-", "@" (or a tab or carriage return), are
// exported behind an apostrophe, as spreadsheets write such texts ("'-----");
// the import takes that apostrophe off again, so the name comes back as it
// was. A name written bare by another program imports as written.
//
// Import decisions:
// - Frequency: MHz as a person types it (model/TypedFrequency.h: a point or
//   a comma as the decimal mark, nothing else), on the radio's raster of 5
//   kHz and 6.25 kHz multiples (the 5 kHz / 12.5 kHz raster of typed
//   frequencies lies on them, and a 6.25 kHz channel read from a radio comes
//   back as it was); a frequency off it (or with a fraction of a hertz) is
//   rounded to the nearest raster frequency, with a warning. It must lie
//   inside the receive range: what a write to the radio keeps (136 to 174
//   MHz and the band of the model version, or all of 136 to 174 MHz with the
//   receive-range option); with no version known, all of 136 to 174 MHz. 0
//   is no frequency.
// - Duplex "", "+", "-"; also "off" (transmit inhibited; InhibitedDuplex
//   gives the direction) and "split" (Offset holds the transmit frequency;
//   it becomes a duplex offset). Offset: MHz, rounded to the raster like a
//   frequency, at most the leaf's 99.995 MHz.
// - Tone "", "Tone", "TSQL", "DTCS"; rToneFreq, cToneFreq: tones of the
//   radio's table; DtcsCode: one of its DTCS codes (leading zeros may be
//   missing, as spreadsheets drop them); DtcsPolarity "NN" or "RR" (one
//   inversion for both directions); RxDtcsCode, with Tone "DTCS" and a
//   DtcsCode, empty or that code (the radio has one code for both
//   directions; with another Tone the column means nothing).
// - CrossMode "", "Tone->Tone" or "DTCS->DTCS" (no cross modes); Mode "" or
//   "FM". Skip "", "S" (skipped) or "P" (scanned; the radio has no priority
//   scan, a warning says so). Power "Low" is low power, every other text
//   high. TStep, Comment and the digital-voice columns are not read. Words
//   are compared with letter case ignored.
// - Name: the first 5 characters that are ASCII and no control characters,
//   in upper case; a name that loses more than its letter case is stored
//   with a warning.
// - The columns of this program: the leaf's choice texts; ANISet "ANI" and
//   SCRMCode "00" are refused (the radio keeps neither). TXInhibit does not
//   count when Duplex is "off".
// An empty field (or a missing column) leaves the leaf at its fresh-channel
// value; Name is the exception: an empty name is a name. Reasons and
// warnings quote the file's texts with MessageText::Quoted.
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
    int line = 0;                                              // of the row in the file
    std::vector<std::pair<std::string, std::int32_t>> values;  // leaf name, value
    std::optional<std::string> name;                           // "Name", when given
    std::vector<std::string> warnings;  // values stored otherwise than the row says them

    // Sets the value of leaf, replacing one set before.
    void SetValue(std::string_view leaf, std::int32_t value);

    // Writes the plan onto channel and puts it in use: the leaves the plan
    // has values for take them; the other leaves take the fresh-channel
    // values, except that a channel in use keeps the leaves only this
    // program's own columns speak for (duplex reverse, transmit inhibit, ANI
    // and scrambler settings).
    void ApplyTo(CNode& channel) const;
};

// What a row is checked against.
struct SChannelCsvLimits {
    const CNode* prototype = nullptr;  // a memory channel: its leaves give choices and ranges
    int channelCount = 0;              // Locations run from 0 to channelCount - 1
    int version = 0;                   // model version; see the receive range above
    bool wholeRange = false;           // judge as with no version known
    bool extendedRange = false;        // the receive-range option
    std::string versionName;           // for the reason texts
};

namespace ChannelCsvColumns {

// The header row, in the layout's order.
std::vector<std::string> Headers();
// The columns an import cannot do without.
inline constexpr std::string_view kRequiredHeaders[] = {"Location", "Frequency"};

// The limits of the channels below area (MCH, PCH or CCH: all have the
// same leaves) for a radio of version with or without the receive-range
// option. prototype is nullptr when area has no channels.
SChannelCsvLimits LimitsOf(const CNode& area, int version, bool extendedRange);

// One field per header for channel number location.
std::vector<std::string> ExportFields(const CNode& channel, int location);

// Checks row and fills plan (with its warnings). Returns why the row cannot
// be imported; empty when it can.
std::vector<std::string> ReadRow(const CChannelCsvRow& row, const SChannelCsvLimits& limits,
                                 SChannelPlan& plan);
// The same checks without the Location column: plan.location is left to the
// caller (a paste puts rows where the user points). limits.prototype must
// not be nullptr.
std::vector<std::string> ReadFields(const CChannelCsvRow& row, const SChannelCsvLimits& limits,
                                    SChannelPlan& plan);

// The reasons of one row in one text ("a; b").
std::string JoinReasons(const std::vector<std::string>& reasons);

}  // namespace ChannelCsvColumns
