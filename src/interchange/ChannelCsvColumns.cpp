#include "interchange/ChannelCsvColumns.h"

#include <algorithm>
#include <span>

#include "clone/Z5ModelInfo.h"
#include "interchange/ChannelCsvRow.h"
#include "interchange/ChannelCsvText.h"
#include "model/MessageText.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/TextFilter.h"
#include "model/ValueList.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"
#include "platform/Translation.h"

using ChannelCsvText::EqualsNoCase;
using ChannelCsvText::FormatScaled;
using ChannelCsvText::ParseScaled;
using ChannelCsvText::TrimEnd;
using MessageText::Quoted;

namespace ChannelCsvColumns {
namespace {

using Reasons = std::vector<std::string>;

constexpr int kMegahertzDecimals = 6;  // frequencies in the file: MHz, 1 Hz resolution
constexpr int kToneDecimals = 1;       // tones: Hz with one decimal
constexpr std::size_t kDtcsDigits = 3;
constexpr unsigned char kFirstNameByte = 0x20;  // the bytes a name in the radio can hold
constexpr unsigned char kLastNameByte = 0x7F;
// The steps the radio stores frequencies in (12.5 kHz channels are 6.25 kHz
// multiples): a frequency on neither cannot be stored exactly.
constexpr std::int64_t kNarrowRaster = 5'000;
constexpr std::int64_t kFineRaster = 6'250;
constexpr std::int64_t kMillihertz = 1'000;  // in a hertz

// ---- words of the layout and the leaf choices they stand for ----------------

// A word of the file and the choice text of the leaf it stands for. Where
// several words give one choice, the first is the one exported.
struct SWord {
    std::string_view csv;
    std::string_view choice;
};

constexpr SWord kToneModes[] = {{"", "OFF"}, {"Tone", "TONE"}, {"TSQL", "TSQL"}, {"DTCS", "DTCS"}};
constexpr SWord kPolarities[] = {{"NN", "Normal"}, {"RR", "Inverse"}};
constexpr SWord kSkips[] = {{"", "OFF"}, {"S", "ON"}, {"P", "OFF"}};
constexpr SWord kDuplexes[] = {{"", "OFF"}, {"-", "-Dup"}, {"+", "+Dup"}};
// Duplex "off" is a receive-only channel; the column "InhibitedDuplex" keeps
// the direction it would transmit in.
constexpr std::string_view kInhibitedDuplex = "off";
constexpr std::string_view kSplitDuplex = "split";

// A text of a table below in the reader's language.
std::string Translated(const char* text) {
    return CTranslation::Tr("ChannelCsvColumns", text);
}

// A column's text and what is wrong with it, such as "is not a tone of the
// radio" (said in the reader's language).
std::string Complaint(std::string_view header, std::string_view text, std::string_view why) {
    //: %1 a column of the CSV file, %2 its text in quotes, %3 what is wrong
    //: with it ("is not a tone of the radio").
    return CTranslation::Args(CTranslation::Tr("ChannelCsvColumns", "%1 %2 %3"),
                              {header, Quoted(text), why});
}

std::string Megahertz(std::int64_t hertz) {
    return FormatScaled(hertz, kMegahertzDecimals) + " MHz";
}

// With the decimals of a fraction of a hertz only when it has one.
std::string MegahertzOfMillihertz(std::int64_t millihertz) {
    if (millihertz % kMillihertz == 0) {
        return Megahertz(millihertz / kMillihertz);
    }
    std::string digits = FormatScaled(millihertz, kMegahertzDecimals + 3);
    while (digits.back() == '0') {
        digits.pop_back();
    }
    return digits + " MHz";
}

const SWord* FindCsvWord(std::span<const SWord> words, std::string_view csv) {
    auto it = std::find_if(words.begin(), words.end(),
                           [csv](const SWord& word) { return EqualsNoCase(word.csv, csv); });
    return it != words.end() ? &*it : nullptr;
}

std::string CsvWordFor(std::span<const SWord> words, std::string_view choice) {
    auto it = std::find_if(words.begin(), words.end(),
                           [choice](const SWord& word) { return word.choice == choice; });
    return it != words.end() ? std::string(it->csv) : std::string();
}

// The value that leaf of the prototype channel gives the choice text.
std::optional<std::int32_t> ChoiceValue(const SChannelCsvLimits& limits, std::string_view leaf,
                                        std::string_view choice) {
    const CNode* node = limits.prototype->GetChild(leaf);
    const CValueList* values = node != nullptr ? node->GetValuePart() : nullptr;
    return values != nullptr ? values->ValueOf(choice) : std::nullopt;
}

bool FitsLeaf(const SChannelCsvLimits& limits, std::string_view leaf, std::int64_t value) {
    const CNode* node = limits.prototype->GetChild(leaf);
    const CValueList* values = node != nullptr ? node->GetValuePart() : nullptr;
    return values != nullptr && value >= values->GetMinimum() && value <= values->GetMaximum();
}

// ---- texts a spreadsheet would take for formulas --------------------------------

// A spreadsheet reads a cell that begins with one of these as a formula
// (a name such as "-----" or "=1+1"); an apostrophe before it makes the
// cell a text, as spreadsheets themselves write such a text. The mark is
// also put before a text that begins with marks and then one of these, so
// that taking one mark off always gives back the text (the channel editors
// never let a name hold an apostrophe; a radio's memory may).
constexpr std::string_view kFormulaStarts = "=+-@\t\r";
constexpr char kTextMark = '\'';

bool NeedsTextMark(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kTextMark);
    return first != std::string_view::npos &&
           kFormulaStarts.find(text[first]) != std::string_view::npos;
}

// A free text as a cell that a spreadsheet shows as that text.
std::string CellText(std::string text) {
    if (NeedsTextMark(text)) {
        text.insert(text.begin(), kTextMark);
    }
    return text;
}

// The text of such a cell: without the mark CellText put before it.
std::string_view TextOfCell(std::string_view cell) {
    if (!cell.empty() && cell.front() == kTextMark && NeedsTextMark(cell.substr(1))) {
        cell.remove_prefix(1);
    }
    return cell;
}

// ---- export -------------------------------------------------------------------

struct SExportColumn {
    std::string_view header;
    std::string (*text)(const CNode& channel, int location);
};

std::string LeafText(const CNode& channel, std::string_view leaf) {
    return GetNodeText(&channel, leaf);
}

std::string FrequencyText(const CNode& channel, std::string_view leaf) {
    return FormatScaled(GetNodeValue(&channel, leaf), kMegahertzDecimals);
}

std::string StepText(const CNode& channel) {
    return GetNodeValue(&channel, z5leaf::kFreqRx) % kNarrowRaster == 0 ? "5.00" : "6.25";
}

bool TransmitInhibited(const CNode& channel) {
    return GetNodeValue(&channel, z5leaf::kTxInhibit) != 0;
}

std::string DuplexText(const CNode& channel) {
    return TransmitInhibited(channel) ? std::string(kInhibitedDuplex)
                                      : CsvWordFor(kDuplexes, LeafText(channel, z5leaf::kDuplex));
}

std::string InhibitedDuplexText(const CNode& channel) {
    return TransmitInhibited(channel) ? CsvWordFor(kDuplexes, LeafText(channel, z5leaf::kDuplex))
                                      : std::string();
}

constexpr SExportColumn kExportColumns[] = {
    {"Location", [](const CNode&, int location) { return std::to_string(location); }},
    {"Name", [](const CNode& c, int) { return CellText(GetNodeString(&c, z5leaf::kName)); }},
    {"Frequency", [](const CNode& c, int) { return FrequencyText(c, z5leaf::kFreqRx); }},
    {"Duplex", [](const CNode& c, int) { return DuplexText(c); }},
    {"Offset", [](const CNode& c, int) { return FrequencyText(c, z5leaf::kFreqOw); }},
    {"Tone",
     [](const CNode& c, int) { return CsvWordFor(kToneModes, LeafText(c, z5leaf::kToneSet)); }},
    {"rToneFreq", [](const CNode& c, int) { return LeafText(c, z5leaf::kToneCode); }},
    {"cToneFreq", [](const CNode& c, int) { return LeafText(c, z5leaf::kTsqlCode); }},
    {"DtcsCode", [](const CNode& c, int) { return LeafText(c, z5leaf::kDtcsCode); }},
    {"DtcsPolarity",
     [](const CNode& c, int) { return CsvWordFor(kPolarities, LeafText(c, z5leaf::kDtcsInv)); }},
    {"RxDtcsCode", [](const CNode& c, int) { return LeafText(c, z5leaf::kDtcsCode); }},
    {"CrossMode", [](const CNode&, int) { return std::string("Tone->Tone"); }},
    {"Mode", [](const CNode&, int) { return std::string("FM"); }},
    {"TStep", [](const CNode& c, int) { return StepText(c); }},
    {"Skip", [](const CNode& c, int) { return CsvWordFor(kSkips, LeafText(c, z5leaf::kSkip)); }},
    {"Power", [](const CNode& c, int) { return LeafText(c, z5leaf::kTxPower); }},
    {"Comment", [](const CNode&, int) { return std::string(); }},
    {"URCALL", [](const CNode&, int) { return std::string(); }},
    {"RPT1CALL", [](const CNode&, int) { return std::string(); }},
    {"RPT2CALL", [](const CNode&, int) { return std::string(); }},
    {"DVCODE", [](const CNode&, int) { return std::string(); }},
    // Columns of this program for what the common layout cannot say.
    {"TXInhibit", [](const CNode& c, int) { return LeafText(c, z5leaf::kTxInhibit); }},
    {"InhibitedDuplex", [](const CNode& c, int) { return InhibitedDuplexText(c); }},
    {"DupRev", [](const CNode& c, int) { return LeafText(c, z5leaf::kDupRev); }},
    {"ANISet", [](const CNode& c, int) { return LeafText(c, z5leaf::kAniSet); }},
    {"ANICode", [](const CNode& c, int) { return LeafText(c, z5leaf::kAniCode); }},
    {"SCRMSet", [](const CNode& c, int) { return LeafText(c, z5leaf::kScrmSet); }},
    {"SCRMCode", [](const CNode& c, int) { return LeafText(c, z5leaf::kScrmCode); }},
};

// ---- import: frequencies ------------------------------------------------------

bool OnRaster(std::int64_t hertz) {
    return hertz % kNarrowRaster == 0 || hertz % kFineRaster == 0;
}

// The raster frequency (in hertz) nearest to millihertz; the lower one of
// two as near.
std::int64_t NearestOnRaster(std::int64_t millihertz) {
    std::int64_t nearest = 0;
    for (std::int64_t step : {kNarrowRaster * kMillihertz, kFineRaster * kMillihertz}) {
        for (std::int64_t candidate : {millihertz / step * step, (millihertz / step + 1) * step}) {
            const std::int64_t distance =
                candidate > millihertz ? candidate - millihertz : millihertz - candidate;
            const std::int64_t best =
                nearest > millihertz ? nearest - millihertz : millihertz - nearest;
            if (distance < best || (distance == best && candidate < nearest)) {
                nearest = candidate;
            }
        }
    }
    return nearest / kMillihertz;
}

bool VersionKnown(const SChannelCsvLimits& limits) {
    return !limits.wholeRange && z5map::VersionBand(limits.version).has_value();
}

// A known version: what a write to the radio keeps. Otherwise all the radio
// can receive (the version 0 band does not count with the range option).
bool MayReceive(const SChannelCsvLimits& limits, std::int64_t hertz) {
    const bool known = VersionKnown(limits);
    return hertz > 0 && FitsLeaf(limits, z5leaf::kFreqRx, hertz) &&
           z5channel::MayKeepFrequency(known ? limits.version : 0, hertz,
                                       limits.extendedRange || !known);
}

// The frequency in the column in hertz, or none (with the reason) when it
// is no frequency in MHz. A frequency off the raster (or with a fraction of
// a hertz) is rounded to it, with a warning.
std::optional<std::int64_t> ReadFrequency(const CChannelCsvRow& row, std::string_view header,
                                          Reasons& reasons, Reasons& warnings) {
    const std::string_view text = row.Trimmed(header);
    std::string why;
    const std::optional<std::int64_t> millihertz = ChannelCsvText::ParseTypedMillihertz(text, why);
    if (!millihertz) {
        reasons.push_back(Complaint(header, text, why));
        return std::nullopt;
    }
    const std::int64_t hertz = *millihertz / kMillihertz;
    if (*millihertz % kMillihertz == 0 && OnRaster(hertz)) {
        return hertz;
    }
    const std::int64_t rounded = NearestOnRaster(*millihertz);
    warnings.push_back(CTranslation::Args(
        CTranslation::Tr("ChannelCsvColumns",
                         "%1 %2 is stored as %3, on the radio's 5 kHz or 6.25 kHz raster"),
        {header, MegahertzOfMillihertz(*millihertz), Megahertz(rounded)}));
    return rounded;
}

void Frequency(const CChannelCsvRow& row, const SChannelCsvLimits& limits, SChannelPlan& plan,
               Reasons& reasons) {
    std::optional<std::int64_t> hertz = ReadFrequency(row, "Frequency", reasons, plan.warnings);
    if (!hertz) {
        return;
    }
    if (!MayReceive(limits, *hertz)) {
        reasons.push_back(
            VersionKnown(limits)
                ? CTranslation::Args(CTranslation::Tr("ChannelCsvColumns",
                                                      "Frequency %1 is outside the receive range "
                                                      "of the radio (version %2)"),
                                     {Megahertz(*hertz), limits.versionName})
                : CTranslation::Args(CTranslation::Tr("ChannelCsvColumns",
                                                      "Frequency %1 is outside the receive range "
                                                      "of the radio (136 to 174 MHz)"),
                                     {Megahertz(*hertz)}));
        return;
    }
    plan.SetValue(z5leaf::kFreqRx, static_cast<std::int32_t>(*hertz));
}

// "split": Offset holds the transmit frequency; the radio keeps the
// difference as a duplex offset in the direction of the transmit frequency.
void SplitToOffset(const CChannelCsvRow& row, std::int64_t& offset, std::string_view& choice) {
    Reasons ignored;  // a bad receive frequency is reported by its own rule
    const std::int64_t receive = ReadFrequency(row, "Frequency", ignored, ignored).value_or(offset);
    choice = offset > receive ? "+Dup" : offset < receive ? "-Dup" : "OFF";
    offset = offset > receive ? offset - receive : receive - offset;
}

void DuplexAndOffset(const CChannelCsvRow& row, const SChannelCsvLimits& limits, SChannelPlan& plan,
                     Reasons& reasons) {
    const std::string_view duplex = row.Trimmed("Duplex");
    const bool split = EqualsNoCase(duplex, kSplitDuplex);
    const bool inhibited = EqualsNoCase(duplex, kInhibitedDuplex);
    const std::string_view direction = inhibited ? row.Trimmed("InhibitedDuplex") : duplex;
    const SWord* word = FindCsvWord(kDuplexes, direction);
    if (word == nullptr && !split) {
        reasons.push_back(
            inhibited ? Complaint("InhibitedDuplex", direction,
                                  Translated(QT_TRANSLATE_NOOP("ChannelCsvColumns",
                                                               "is not \"\", + or -")))
                      : Complaint("Duplex", duplex,
                                  Translated(QT_TRANSLATE_NOOP(
                                      "ChannelCsvColumns", "is not \"\", +, -, split or off"))));
    }
    std::optional<std::int64_t> offset = std::int64_t{0};
    if (!row.Trimmed("Offset").empty()) {
        offset = ReadFrequency(row, "Offset", reasons, plan.warnings);
    }
    if (!offset || (word == nullptr && !split)) {
        return;
    }
    std::string_view choice = split ? std::string_view() : word->choice;
    if (split) {
        SplitToOffset(row, *offset, choice);
    }
    if (!FitsLeaf(limits, z5leaf::kFreqOw, *offset) || !OnRaster(*offset)) {
        reasons.push_back(CTranslation::Args(
            CTranslation::Tr(
                "ChannelCsvColumns",
                "the duplex offset %1 is more than the radio can set or off its raster"),
            {Megahertz(*offset)}));
        return;
    }
    plan.SetValue(z5leaf::kFreqOw, static_cast<std::int32_t>(*offset));
    plan.SetValue(z5leaf::kDuplex, ChoiceValue(limits, z5leaf::kDuplex, choice).value_or(0));
    if (inhibited) {
        plan.SetValue(z5leaf::kTxInhibit, 1);
    }
}

// ---- import: words and codes ----------------------------------------------------

void Location(const CChannelCsvRow& row, const SChannelCsvLimits& limits, SChannelPlan& plan,
              Reasons& reasons) {
    const std::string_view text = row.Trimmed("Location");
    std::optional<std::int64_t> number = ParseScaled(text, 0);
    if (!number || *number >= limits.channelCount) {
        reasons.push_back(
            CTranslation::Args(CTranslation::Tr("ChannelCsvColumns",
                                                "Location %1 is not a channel number from 0 to %2"),
                               {Quoted(text), std::to_string(limits.channelCount - 1)}));
        return;
    }
    plan.location = static_cast<int>(*number);
}

// The name as the radio holds it: its first characters that are ASCII and
// no control characters, letters in upper case, no trailing spaces.
std::string NameForRadio(std::string_view text) {
    std::string name;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= kFirstNameByte && byte <= kLastNameByte &&
            name.size() < z5channel::kNameLength) {
            name += c;
        }
    }
    return AsciiUpperCase(TrimEnd(name));
}

// A name is stored in upper case; anything else it loses is said.
void Name(const CChannelCsvRow& row, const SChannelCsvLimits&, SChannelPlan& plan, Reasons&) {
    std::optional<std::string_view> text = row.Field("Name");
    if (!text) {
        return;
    }
    text = TextOfCell(*text);
    plan.name = NameForRadio(*text);
    if (EqualsNoCase(*plan.name, TrimEnd(*text))) {
        return;
    }
    plan.warnings.push_back(CTranslation::Args(
        CTranslation::Tr(
            "ChannelCsvColumns",
            "Name %1 is stored as %2 (at most 5 ASCII characters, no control characters)"),
        {Quoted(*text), Quoted(*plan.name)}));
}

// A column that must hold one of a few texts and writes no leaf.
struct SCheckedColumn {
    std::string_view header;
    std::span<const std::string_view> accepted;
    const char* why;
};

constexpr std::string_view kCrossModes[] = {"", "Tone->Tone", "DTCS->DTCS"};
constexpr std::string_view kModes[] = {"", "FM"};
constexpr SCheckedColumn kCheckedColumns[] = {
    {"CrossMode", kCrossModes,
     QT_TRANSLATE_NOOP("ChannelCsvColumns", "is a cross mode: the radio has none")},
    {"Mode", kModes, QT_TRANSLATE_NOOP("ChannelCsvColumns", "is not FM: the radio has FM only")},
};

void Checks(const CChannelCsvRow& row, const SChannelCsvLimits&, SChannelPlan&, Reasons& reasons) {
    for (const SCheckedColumn& column : kCheckedColumns) {
        const std::string_view text = row.Trimmed(column.header);
        if (std::none_of(column.accepted.begin(), column.accepted.end(),
                         [text](std::string_view ok) { return EqualsNoCase(ok, text); })) {
            reasons.push_back(Complaint(column.header, text, Translated(column.why)));
        }
    }
}

// Codes: the file's text in the form of the leaf's choice text, or none.
std::optional<std::string> ToneChoice(std::string_view text) {
    std::optional<std::int64_t> tenths = ParseScaled(text, kToneDecimals);
    return tenths ? std::optional(FormatScaled(*tenths, kToneDecimals)) : std::nullopt;
}

std::optional<std::string> DtcsChoice(std::string_view text) {
    if (text.empty() || text.size() > kDtcsDigits ||
        text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(kDtcsDigits - text.size(), '0') + std::string(text);
}

// A column that sets one leaf to one of its choices: through a table of the
// file's words, or by bringing a code into the form of the choice texts.
struct SChoiceColumn {
    std::string_view header;
    std::string_view leaf;
    std::span<const SWord> words;
    std::optional<std::string> (*codeChoice)(std::string_view text);  // nullptr: use words
    const char* complaint;                                            // for the reason text
};

constexpr SChoiceColumn kChoiceColumns[] = {
    {"Tone", z5leaf::kToneSet, kToneModes, nullptr,
     QT_TRANSLATE_NOOP("ChannelCsvColumns",
                       "is not a tone mode of the radio (\"\", Tone, TSQL or DTCS)")},
    {"rToneFreq",
     z5leaf::kToneCode,
     {},
     &ToneChoice,
     QT_TRANSLATE_NOOP("ChannelCsvColumns", "is not a tone of the radio")},
    {"cToneFreq",
     z5leaf::kTsqlCode,
     {},
     &ToneChoice,
     QT_TRANSLATE_NOOP("ChannelCsvColumns", "is not a tone of the radio")},
    {"DtcsCode",
     z5leaf::kDtcsCode,
     {},
     &DtcsChoice,
     QT_TRANSLATE_NOOP("ChannelCsvColumns", "is not a DTCS code of the radio")},
    {"DtcsPolarity", z5leaf::kDtcsInv, kPolarities, nullptr,
     QT_TRANSLATE_NOOP("ChannelCsvColumns",
                       "is not NN or RR: the radio inverts both directions or neither")},
    {"Skip", z5leaf::kSkip, kSkips, nullptr,
     QT_TRANSLATE_NOOP("ChannelCsvColumns", "is not \"\", S or P")},
};

std::optional<std::string> ChoiceOf(const SChoiceColumn& column, std::string_view text) {
    if (column.codeChoice != nullptr) {
        return column.codeChoice(text);
    }
    const SWord* word = FindCsvWord(column.words, text);
    return word != nullptr ? std::optional<std::string>(word->choice) : std::nullopt;
}

void Choices(const CChannelCsvRow& row, const SChannelCsvLimits& limits, SChannelPlan& plan,
             Reasons& reasons) {
    for (const SChoiceColumn& column : kChoiceColumns) {
        const std::string_view text = row.Trimmed(column.header);
        if (text.empty()) {
            continue;
        }
        std::optional<std::string> choice = ChoiceOf(column, text);
        std::optional<std::int32_t> value =
            choice ? ChoiceValue(limits, column.leaf, *choice) : std::nullopt;
        if (!value) {
            reasons.push_back(Complaint(column.header, text, Translated(column.complaint)));
            continue;
        }
        plan.SetValue(column.leaf, *value);
        // A word the radio has no own setting for (Skip "P", priority scan).
        if (column.codeChoice == nullptr &&
            !EqualsNoCase(CsvWordFor(column.words, *choice), text)) {
            plan.warnings.push_back(CTranslation::Args(
                CTranslation::Tr("ChannelCsvColumns", "%1 %2 is stored as %3"),
                {column.header, Quoted(text), Quoted(CsvWordFor(column.words, *choice))}));
        }
    }
}

// With Tone "DTCS" the radio decodes the code it sends: a different
// receive code cannot be set.
void ReceiveDtcs(const CChannelCsvRow& row, const SChannelCsvLimits&, SChannelPlan&,
                 Reasons& reasons) {
    const std::string_view receive = row.Trimmed("RxDtcsCode");
    const std::string_view send = row.Trimmed("DtcsCode");
    if (receive.empty() || send.empty() || !EqualsNoCase(row.Trimmed("Tone"), "DTCS")) {
        return;
    }
    if (DtcsChoice(receive) != DtcsChoice(send)) {
        reasons.push_back(
            CTranslation::Args(CTranslation::Tr("ChannelCsvColumns",
                                                "RxDtcsCode %1 differs from DtcsCode %2: the "
                                                "radio has one DTCS code for both directions"),
                               {Quoted(receive), Quoted(send)}));
    }
}

// A column of this program: the choice text of a leaf, in any letter case,
// one of the values the leaf's editors offer.
struct SLeafColumn {
    std::string_view header;
    const char* leaf;
    const char* complaint;
};

constexpr const char* kOnOff = QT_TRANSLATE_NOOP("ChannelCsvColumns", "is not ON or OFF");
constexpr SLeafColumn kLeafColumns[] = {
    {"TXInhibit", z5leaf::kTxInhibit, kOnOff},
    {"DupRev", z5leaf::kDupRev, kOnOff},
    {"ANISet", z5leaf::kAniSet, QT_TRANSLATE_NOOP("ChannelCsvColumns", "is not OFF, CSQL or PGR")},
    {"ANICode", z5leaf::kAniCode,
     QT_TRANSLATE_NOOP("ChannelCsvColumns", "is not an ANI code of the radio (C0 to C6 or CP)")},
    {"SCRMSet", z5leaf::kScrmSet, kOnOff},
    {"SCRMCode", z5leaf::kScrmCode,
     QT_TRANSLATE_NOOP("ChannelCsvColumns", "is not a scrambler code from 01 to FF")},
};

std::string ChoiceText(const SLeafColumn& column, std::string_view text) {
    std::string choice = AsciiUpperCase(text);
    if (column.leaf == z5leaf::kScrmCode && choice.size() == 1) {
        choice.insert(0, 1, '0');  // a spreadsheet dropped the leading zero
    }
    return choice;
}

void LeafColumns(const CChannelCsvRow& row, const SChannelCsvLimits& limits, SChannelPlan& plan,
                 Reasons& reasons) {
    // Duplex "off" says transmit inhibit, whatever its own column says.
    const bool inhibited = EqualsNoCase(row.Trimmed("Duplex"), kInhibitedDuplex);
    for (const SLeafColumn& column : kLeafColumns) {
        const std::string_view text = row.Trimmed(column.header);
        if (text.empty() || (inhibited && column.leaf == z5leaf::kTxInhibit)) {
            continue;
        }
        const z5map::ValueRange range = z5map::ChoiceRange(z5area::kMemory, column.leaf);
        std::optional<std::int32_t> value =
            ChoiceValue(limits, column.leaf, ChoiceText(column, text));
        if (!value || *value < range.lowest || *value > range.highest) {
            reasons.push_back(Complaint(column.header, text, Translated(column.complaint)));
            continue;
        }
        plan.SetValue(column.leaf, *value);
    }
}

void Power(const CChannelCsvRow& row, const SChannelCsvLimits& limits, SChannelPlan& plan,
           Reasons&) {
    const std::string_view text = row.Trimmed("Power");
    if (!text.empty()) {
        const std::string_view choice = EqualsNoCase(text, "Low") ? "Low" : "High";
        plan.SetValue(z5leaf::kTxPower, ChoiceValue(limits, z5leaf::kTxPower, choice).value_or(0));
    }
}

using Rule = void (*)(const CChannelCsvRow& row, const SChannelCsvLimits& limits,
                      SChannelPlan& plan, Reasons& reasons);

// Every rule but Location's.
constexpr Rule kFieldRules[] = {&Frequency,   &DuplexAndOffset, &Name,  &Choices,
                                &ReceiveDtcs, &Checks,          &Power, &LeafColumns};

// The leaves only the columns of this program speak for; an imported row
// without them keeps them on a channel in use.
constexpr const char* kLeavesOutsideLayout[] = {z5leaf::kDupRev,  z5leaf::kTxInhibit,
                                                z5leaf::kAniSet,  z5leaf::kAniCode,
                                                z5leaf::kScrmSet, z5leaf::kScrmCode};

}  // namespace

std::vector<std::string> Headers() {
    std::vector<std::string> headers;
    for (const SExportColumn& column : kExportColumns) {
        headers.emplace_back(column.header);
    }
    return headers;
}

std::vector<std::string> ExportFields(const CNode& channel, int location) {
    std::vector<std::string> fields;
    for (const SExportColumn& column : kExportColumns) {
        fields.push_back(column.text(channel, location));
    }
    return fields;
}

SChannelCsvLimits LimitsOf(const CNode& area, int version, bool extendedRange) {
    SChannelCsvLimits limits;
    const std::vector<CNode*>& channels = area.GetChildren();
    limits.prototype = channels.empty() ? nullptr : channels.front();
    limits.channelCount = static_cast<int>(channels.size());
    limits.version = version;
    limits.extendedRange = extendedRange;
    CZ5ModelInfo names;
    names.SetValue(version);
    limits.versionName = names.GetName();
    return limits;
}

std::vector<std::string> ReadRow(const CChannelCsvRow& row, const SChannelCsvLimits& limits,
                                 SChannelPlan& plan) {
    Reasons reasons;
    Location(row, limits, plan, reasons);
    for (std::string& reason : ReadFields(row, limits, plan)) {
        reasons.push_back(std::move(reason));
    }
    return reasons;
}

std::vector<std::string> ReadFields(const CChannelCsvRow& row, const SChannelCsvLimits& limits,
                                    SChannelPlan& plan) {
    Reasons reasons;
    for (Rule rule : kFieldRules) {
        rule(row, limits, plan, reasons);
    }
    return reasons;
}

std::string JoinReasons(const std::vector<std::string>& reasons) {
    std::string joined;
    for (const std::string& reason : reasons) {
        joined += (joined.empty() ? "" : "; ") + reason;
    }
    return joined;
}

}  // namespace ChannelCsvColumns

void SChannelPlan::SetValue(std::string_view leaf, std::int32_t value) {
    auto it = std::find_if(values.begin(), values.end(),
                           [leaf](const auto& entry) { return entry.first == leaf; });
    if (it != values.end()) {
        it->second = value;
    } else {
        values.emplace_back(std::string(leaf), value);
    }
}

void SChannelPlan::ApplyTo(CNode& channel) const {
    std::vector<std::pair<const char*, std::int32_t>> kept;
    if (GetNodeValue(&channel, z5leaf::kClear) == 0) {
        for (const char* leaf : ChannelCsvColumns::kLeavesOutsideLayout) {
            kept.emplace_back(leaf, GetNodeValue(&channel, leaf));
        }
    }
    z5channel::WriteFreshChannel(channel);
    for (const auto& [leaf, value] : kept) {
        SetNodeValue(&channel, leaf, value);
    }
    for (const auto& [leaf, value] : values) {
        SetNodeValue(&channel, leaf, value);
    }
    if (name) {
        SetNodeString(&channel, z5leaf::kName, *name);
    }
    SetNodeValue(&channel, z5leaf::kClear, 0);
}
