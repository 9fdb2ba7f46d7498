#include "clone/ChannelCsvColumns.h"

#include <algorithm>
#include <span>

#include "clone/ChannelCsvRow.h"
#include "clone/ChannelCsvText.h"
#include "clone/ChannelEditRules.h"
#include "clone/Z5AdjustDataManager.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/ValueList.h"

using ChannelCsvText::EqualsNoCase;
using ChannelCsvText::FormatScaled;
using ChannelCsvText::ParseScaled;

namespace ChannelCsvColumns {
namespace {

using Reasons = std::vector<std::string>;

constexpr int kMegahertzDecimals = 6;  // frequencies in the file: MHz, 1 Hz resolution
constexpr int kToneDecimals = 1;       // tones: Hz with one decimal
constexpr std::size_t kDtcsDigits = 3;
// The steps the radio stores frequencies in (12.5 kHz channels are 6.25 kHz
// multiples): a frequency on neither cannot be stored exactly.
constexpr std::int64_t kNarrowRaster = 5'000;
constexpr std::int64_t kFineRaster = 6'250;

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
constexpr SWord kDuplexes[] = {{"", "OFF"}, {"-", "-Dup"}, {"+", "+Dup"}, {"off", "OFF"}};
constexpr std::string_view kInhibitedDuplex = "off";
constexpr std::string_view kSplitDuplex = "split";

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string Megahertz(std::int64_t hertz) {
    return FormatScaled(hertz, kMegahertzDecimals) + " MHz";
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
    return GetNodeValue(&channel, "FreqRx") % kNarrowRaster == 0 ? "5.00" : "6.25";
}

constexpr SExportColumn kExportColumns[] = {
    {"Location", [](const CNode&, int location) { return std::to_string(location); }},
    {"Name", [](const CNode& c, int) { return GetNodeString(&c, "Name"); }},
    {"Frequency", [](const CNode& c, int) { return FrequencyText(c, "FreqRx"); }},
    {"Duplex", [](const CNode& c, int) { return CsvWordFor(kDuplexes, LeafText(c, "Duplex")); }},
    {"Offset", [](const CNode& c, int) { return FrequencyText(c, "FreqOw"); }},
    {"Tone", [](const CNode& c, int) { return CsvWordFor(kToneModes, LeafText(c, "TONESet")); }},
    {"rToneFreq", [](const CNode& c, int) { return LeafText(c, "TONECode"); }},
    {"cToneFreq", [](const CNode& c, int) { return LeafText(c, "TSQLCode"); }},
    {"DtcsCode", [](const CNode& c, int) { return LeafText(c, "DTCSCode"); }},
    {"DtcsPolarity",
     [](const CNode& c, int) { return CsvWordFor(kPolarities, LeafText(c, "DTCSInv")); }},
    {"RxDtcsCode", [](const CNode& c, int) { return LeafText(c, "DTCSCode"); }},
    {"CrossMode", [](const CNode&, int) { return std::string("Tone->Tone"); }},
    {"Mode", [](const CNode&, int) { return std::string("FM"); }},
    {"TStep", [](const CNode& c, int) { return StepText(c); }},
    {"Skip", [](const CNode& c, int) { return CsvWordFor(kSkips, LeafText(c, "Skip")); }},
    {"Power", [](const CNode& c, int) { return LeafText(c, "TXPower"); }},
    {"Comment", [](const CNode&, int) { return std::string(); }},
    {"URCALL", [](const CNode&, int) { return std::string(); }},
    {"RPT1CALL", [](const CNode&, int) { return std::string(); }},
    {"RPT2CALL", [](const CNode&, int) { return std::string(); }},
    {"DVCODE", [](const CNode&, int) { return std::string(); }},
};

// ---- import: frequencies ------------------------------------------------------

bool OnRaster(std::int64_t hertz) {
    return hertz % kNarrowRaster == 0 || hertz % kFineRaster == 0;
}

bool MayReceive(const SChannelCsvLimits& limits, std::int64_t hertz) {
    return hertz > 0 && FitsLeaf(limits, "FreqRx", hertz) &&
           CZ5AdjustDataManager::MayKeepFrequency(limits.version, static_cast<std::uint32_t>(hertz),
                                                  limits.extendedRange);
}

// The frequency in the column, or none (with the reason) when it is no
// number of MHz or off the raster.
std::optional<std::int64_t> ReadFrequency(const CChannelCsvRow& row, std::string_view header,
                                          Reasons& reasons) {
    const std::string_view text = row.Trimmed(header);
    std::optional<std::int64_t> hertz = ParseScaled(text, kMegahertzDecimals);
    if (!hertz) {
        reasons.push_back(std::string(header) + " " + Quoted(text) + " is not a number of MHz");
    } else if (!OnRaster(*hertz)) {
        reasons.push_back(std::string(header) + " " + Megahertz(*hertz) +
                          " is not on the radio's 5 kHz or 6.25 kHz raster");
        hertz.reset();
    }
    return hertz;
}

void Frequency(const CChannelCsvRow& row, const SChannelCsvLimits& limits, SChannelPlan& plan,
               Reasons& reasons) {
    std::optional<std::int64_t> hertz = ReadFrequency(row, "Frequency", reasons);
    if (!hertz) {
        return;
    }
    if (!MayReceive(limits, *hertz)) {
        std::string version =
            limits.versionName.empty() ? "" : " (version " + limits.versionName + ")";
        reasons.push_back("Frequency " + Megahertz(*hertz) +
                          " is outside the receive range of the radio" + version);
        return;
    }
    plan.SetValue("FreqRx", static_cast<std::int32_t>(*hertz));
}

// "split": Offset holds the transmit frequency; the radio keeps the
// difference as a duplex offset in the direction of the transmit frequency.
void SplitToOffset(const CChannelCsvRow& row, std::int64_t& offset, std::string_view& choice) {
    Reasons ignored;  // a bad receive frequency is reported by its own rule
    const std::int64_t receive = ReadFrequency(row, "Frequency", ignored).value_or(offset);
    choice = offset > receive ? "+Dup" : offset < receive ? "-Dup" : "OFF";
    offset = offset > receive ? offset - receive : receive - offset;
}

void DuplexAndOffset(const CChannelCsvRow& row, const SChannelCsvLimits& limits, SChannelPlan& plan,
                     Reasons& reasons) {
    const std::string_view duplex = row.Trimmed("Duplex");
    const bool split = EqualsNoCase(duplex, kSplitDuplex);
    const SWord* word = FindCsvWord(kDuplexes, duplex);
    if (word == nullptr && !split) {
        reasons.push_back("Duplex " + Quoted(duplex) + " is not \"\", +, -, split or off");
    }
    std::optional<std::int64_t> offset = std::int64_t{0};
    if (!row.Trimmed("Offset").empty()) {
        offset = ReadFrequency(row, "Offset", reasons);
    }
    if (!offset || (word == nullptr && !split)) {
        return;
    }
    std::string_view choice = split ? std::string_view() : word->choice;
    if (split) {
        SplitToOffset(row, *offset, choice);
    }
    if (!FitsLeaf(limits, "FreqOw", *offset) || !OnRaster(*offset)) {
        reasons.push_back("the duplex offset " + Megahertz(*offset) +
                          " is more than the radio can set or off its raster");
        return;
    }
    plan.SetValue("FreqOw", static_cast<std::int32_t>(*offset));
    plan.SetValue("Duplex", ChoiceValue(limits, "Duplex", choice).value_or(0));
    if (EqualsNoCase(duplex, kInhibitedDuplex)) {
        plan.SetValue("TXInhibit", 1);
    }
}

// ---- import: words and codes ----------------------------------------------------

void Location(const CChannelCsvRow& row, const SChannelCsvLimits& limits, SChannelPlan& plan,
              Reasons& reasons) {
    const std::string_view text = row.Trimmed("Location");
    std::optional<std::int64_t> number = ParseScaled(text, 0);
    if (!number || *number >= limits.channelCount) {
        reasons.push_back("Location " + Quoted(text) + " is not a channel number from 0 to " +
                          std::to_string(limits.channelCount - 1));
        return;
    }
    plan.location = static_cast<int>(*number);
}

void Name(const CChannelCsvRow& row, const SChannelCsvLimits&, SChannelPlan& plan, Reasons&) {
    if (std::optional<std::string_view> name = row.Field("Name")) {
        plan.name = ChannelEditRules::ChannelNameForRadio(*name);
    }
}

// A column that must hold one of a few texts and writes no leaf.
struct SCheckedColumn {
    std::string_view header;
    std::span<const std::string_view> accepted;
    std::string_view why;
};

constexpr std::string_view kCrossModes[] = {"", "Tone->Tone", "DTCS->DTCS"};
constexpr std::string_view kModes[] = {"", "FM"};
constexpr SCheckedColumn kCheckedColumns[] = {
    {"CrossMode", kCrossModes, "is a cross mode: the radio has none"},
    {"Mode", kModes, "is not FM: the radio has FM only"},
};

void Checks(const CChannelCsvRow& row, const SChannelCsvLimits&, SChannelPlan&, Reasons& reasons) {
    for (const SCheckedColumn& column : kCheckedColumns) {
        const std::string_view text = row.Trimmed(column.header);
        if (std::none_of(column.accepted.begin(), column.accepted.end(),
                         [text](std::string_view ok) { return EqualsNoCase(ok, text); })) {
            reasons.push_back(std::string(column.header) + " " + Quoted(text) + " " +
                              std::string(column.why));
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
    std::string_view complaint;                                       // for the reason text
};

constexpr SChoiceColumn kChoiceColumns[] = {
    {"Tone", "TONESet", kToneModes, nullptr,
     "is not a tone mode of the radio (\"\", Tone, TSQL or DTCS)"},
    {"rToneFreq", "TONECode", {}, &ToneChoice, "is not a tone of the radio"},
    {"cToneFreq", "TSQLCode", {}, &ToneChoice, "is not a tone of the radio"},
    {"DtcsCode", "DTCSCode", {}, &DtcsChoice, "is not a DTCS code of the radio"},
    {"DtcsPolarity", "DTCSInv", kPolarities, nullptr,
     "is not NN or RR: the radio inverts both directions or neither"},
    {"Skip", "Skip", kSkips, nullptr, "is not \"\", S or P"},
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
            reasons.push_back(std::string(column.header) + " " + Quoted(text) + " " +
                              std::string(column.complaint));
            continue;
        }
        plan.SetValue(column.leaf, *value);
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
        reasons.push_back("RxDtcsCode " + Quoted(receive) + " differs from DtcsCode " +
                          Quoted(send) + ": the radio has one DTCS code for both directions");
    }
}

void Power(const CChannelCsvRow& row, const SChannelCsvLimits& limits, SChannelPlan& plan,
           Reasons&) {
    const std::string_view text = row.Trimmed("Power");
    if (!text.empty()) {
        const std::string_view choice = EqualsNoCase(text, "Low") ? "Low" : "High";
        plan.SetValue("TXPower", ChoiceValue(limits, "TXPower", choice).value_or(0));
    }
}

using Rule = void (*)(const CChannelCsvRow& row, const SChannelCsvLimits& limits,
                      SChannelPlan& plan, Reasons& reasons);

constexpr Rule kRules[] = {&Location, &Frequency,   &DuplexAndOffset, &Name,
                           &Choices,  &ReceiveDtcs, &Checks,          &Power};

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

std::vector<std::string> ReadRow(const CChannelCsvRow& row, const SChannelCsvLimits& limits,
                                 SChannelPlan& plan) {
    Reasons reasons;
    for (Rule rule : kRules) {
        rule(row, limits, plan, reasons);
    }
    return reasons;
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
