#include "LeafPaths.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "interchange/ChannelCsvText.h"
#include "model/FreqNode.h"
#include "model/MessageText.h"
#include "model/Node.h"
#include "model/TypedFrequency.h"
#include "model/ValueList.h"
#include "platform/Translation.h"

namespace {

// A leaf with more choices than this is refused without listing them.
constexpr std::size_t kListedChoices = 8;
constexpr int kScaleDigits = 6;  // of a hertz in a megahertz
constexpr std::string_view kTrailingBlanks = " \t\n\v\f\r";

std::string_view WithoutTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(kTrailingBlanks);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// A decimal number without the zeros that end its fraction, nor a point
// that ends it: "146.520" and "146.52" are one number.
std::string_view WithoutTrailingZeros(std::string_view number) {
    if (number.find('.') == std::string_view::npos) {
        return number;
    }
    number = number.substr(0, number.find_last_not_of('0') + 1);
    return number.back() == '.' ? number.substr(0, number.size() - 1) : number;
}

// hertz in MHz with every digit: 145006250 is "145.006250".
std::string ExactMegahertz(std::int32_t hertz) {
    return ChannelCsvText::FormatScaled(hertz, kScaleDigits);
}

// hertz in MHz with the digits that count: 145006250 is "145.00625".
std::string Megahertz(std::int32_t hertz) {
    return std::string(WithoutTrailingZeros(ExactMegahertz(hertz)));
}

bool SetTypedFrequency(CFreqNode& leaf, std::string_view text, std::string& reason) {
    const std::optional<std::string> typed = TypedFrequency::CanonicalGiven(text, &reason);
    if (!typed) {
        return false;
    }
    if (!leaf.SetText(*typed)) {
        reason = CTranslation::Args(
            CTranslation::Tr("LeafPaths", "is outside the range of this leaf, %1 to %2 MHz"),
            {Megahertz(leaf.GetMinimum()), Megahertz(leaf.GetMaximum())});
        return false;
    }
    return true;
}

// The choices of a leaf with few, in the order of their values.
std::string ChoicesOf(const CValueList& values) {
    if (values.GetNames().size() > kListedChoices) {
        return std::string();
    }
    std::vector<std::pair<std::int32_t, std::string_view>> choices;
    for (const auto& [text, value] : values.GetNames()) {
        choices.emplace_back(value, text);
    }
    std::sort(choices.begin(), choices.end());
    std::string listed;
    for (const auto& [value, text] : choices) {
        listed += (listed.empty() ? "" : ", ") + MessageText::Quoted(text);
    }
    return listed;
}

}  // namespace

CNode* FindLeaf(CNode& root, std::string_view path) {
    CNode* node = path.empty() ? nullptr : root.FindPath(path);
    return node != nullptr && node->GetChildren().empty() ? node : nullptr;
}

bool SetTypedText(CNode& leaf, std::string_view text, std::string& reason) {
    if (auto* frequency = dynamic_cast<CFreqNode*>(&leaf)) {
        return SetTypedFrequency(*frequency, text, reason);
    }
    if (leaf.SetText(text)) {
        return true;
    }
    const CValueList* values = leaf.GetValuePart();
    const std::string choices = values != nullptr ? ChoicesOf(*values) : std::string();
    reason = choices.empty()
                 ? CTranslation::Tr("LeafPaths", "is not a value of this leaf")
                 : CTranslation::Args(
                       CTranslation::Tr("LeafPaths", "is not a value of this leaf: one of %1"),
                       {choices});
    return false;
}

bool HoldsTypedText(const CNode& stored, std::string_view text) {
    if (dynamic_cast<const CFreqNode*>(&stored) != nullptr) {
        const std::optional<std::string> typed = TypedFrequency::Canonical(text);
        return typed && WithoutTrailingZeros(*typed) ==
                            WithoutTrailingZeros(ExactMegahertz(stored.GetValue()));
    }
    return WithoutTrailingBlanks(text) == WithoutTrailingBlanks(stored.GetText());
}
