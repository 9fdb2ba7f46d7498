#include "ui/ChannelColumns.h"

#include <array>
#include <string>

#include "document/NodeChanges.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"
#include "ui/ChannelFields.h"

namespace {

using EEditor = CChannelColumns::EEditor;
using SRadio = CChannelColumns::SRadio;
using z5channel::ESortKey;

const QString kScramblerOff = QStringLiteral("OFF");
const QString kNormalPolarity = QStringLiteral("N");
const QString kInversePolarity = QStringLiteral("i");

std::string LeafText(const CNode& channel, const char* leaf) {
    return GetNodeText(&channel, leaf);
}

bool LeafOn(const CNode& channel, const char* leaf) {
    return GetNodeValue(&channel, leaf) != 0;
}

// What the power column shows for a channel on low power: the power leaf's
// own text for that value.
const std::string& LowPowerText() {
    static const std::string text = z5map::ChoiceText(z5area::kMemory, z5leaf::kTxPower, 1);
    return text;
}

using TextOf = std::string (*)(const CNode& channel, SRadio radio);

template <const char* Leaf>
std::string ChoiceOf(const CNode& channel, SRadio) {
    return LeafText(channel, Leaf);
}

// A flag column shows a word when its leaf is on, else nothing.
template <const char* Leaf, const char* Word>
std::string WordWhenOn(const CNode& channel, SRadio) {
    return LeafOn(channel, Leaf) ? Word : "";
}

std::string FrequencyText(const CNode& channel, SRadio radio) {
    const CNode* node = channel.GetChild(z5leaf::kFreqRx);
    if (node == nullptr) {
        return {};
    }
    const bool inBand = z5channel::IsInBand(node->GetValue(), radio.version, radio.receiveRange);
    return node->GetText() + (inBand ? "" : "(!)");
}

std::string LowPowerWord(const CNode& channel, SRadio) {
    return LeafOn(channel, z5leaf::kTxPower) ? LowPowerText() : "";
}

std::string DtcsText(const CNode& channel, SRadio) {
    return LeafText(channel, z5leaf::kDtcsCode) + (LeafOn(channel, z5leaf::kDtcsInv) ? "i" : "N");
}

std::string ScramblerText(const CNode& channel, SRadio) {
    return LeafOn(channel, z5leaf::kScrmSet) ? LeafText(channel, z5leaf::kScrmCode)
                                             : kScramblerOff.toStdString();
}

QStringList LeafChoices(const char* leaf) {
    QStringList texts;
    for (const std::string& text : z5map::ChoiceTexts(z5area::kMemory, leaf)) {
        texts.append(QString::fromStdString(text));
    }
    return texts;
}

// A list whose texts are not its leaf's choices: what it offers and how it
// stores one of them.
struct SOwnList {
    QStringList (*choices)();
    void (*write)(CNode& channel, const QString& text);
};

// The DTCS column shows and edits the code with its polarity.
constexpr SOwnList kDtcsList = {
    [] {
        QStringList texts;
        for (const QString& code : LeafChoices(z5leaf::kDtcsCode)) {
            texts.append(code + kNormalPolarity);
            texts.append(code + kInversePolarity);
        }
        return texts;
    },
    [](CNode& channel, const QString& text) {
        SetNodeText(&channel, z5leaf::kDtcsCode, text.chopped(1).toStdString());
        SetNodeValue(&channel, z5leaf::kDtcsInv, text.endsWith(kInversePolarity) ? 1 : 0);
    },
};

// The scrambler column: "OFF", or the code of a scrambler that is on.
constexpr SOwnList kScramblerList = {
    [] { return QStringList{kScramblerOff} + LeafChoices(z5leaf::kScrmCode); },
    [](CNode& channel, const QString& text) {
        const bool on = text != kScramblerOff;
        SetNodeValue(&channel, z5leaf::kScrmSet, on ? 1 : 0);
        if (on) {
            SetNodeText(&channel, z5leaf::kScrmCode, text.toStdString());
        }
    },
};

enum EColumnFlag : unsigned {
    kEditsCleared = 1,   // typing puts a cleared channel in use
    kSetsMany = 2,       // offered by Set Field
    kMemoryOnly = 4,     // edits on memory channels only
    kScramblerUnit = 8,  // exists with the scrambler unit only
    kChecksBand = 16,    // a receive frequency
};

struct SColumn {
    ListColumnDef look;
    const char* leaf;  // nullptr: the row label
    EEditor editor;
    TextOf text;
    const SOwnList* ownList;  // nullptr: the leaf's choices
    std::optional<ESortKey> sort;
    unsigned flags;
};

// Every column is right-aligned (the row label is drawn on the left
// whatever its alignment), at most kMaxWidth wide, in the list's colours.
constexpr ListColumnDef Look(const char* title, int defaultWidth, int minWidth, int printWidth) {
    constexpr int kMaxWidth = 200;
    return {title,     EColumnAlign::Right, defaultWidth,   minWidth,
            kMaxWidth, kDefaultColour,      kDefaultColour, printWidth};
}

inline constexpr char kReverseWord[] = "Reverse";
inline constexpr char kSkipWord[] = "Skip";
inline constexpr char kInhibitWord[] = "Inhibit";

using namespace z5leaf;

constexpr std::array<SColumn, CChannelColumns::kCount> kColumns = {{
    {Look("CH", 28, 20, 3), nullptr, EEditor::None, nullptr, nullptr, std::nullopt, 0},
    {Look("Frequency", 76, 45, 7), kFreqRx, EEditor::Frequency, FrequencyText, nullptr,
     ESortKey::Frequency, kEditsCleared | kChecksBand},
    {Look("Duplex", 47, 40, 4), kDuplex, EEditor::List, ChoiceOf<kDuplex>, nullptr,
     ESortKey::Duplex, kSetsMany},
    {Look("Reverse", 54, 40, 5), kDupRev, EEditor::List, WordWhenOn<kDupRev, kReverseWord>, nullptr,
     ESortKey::Reverse, kSetsMany},
    {Look("Offset Freq.", 73, 45, 7), kFreqOw, EEditor::Frequency, ChoiceOf<kFreqOw>, nullptr,
     ESortKey::Offset, kSetsMany},
    {Look("Name", 57, 45, 6), kName, EEditor::Name, ChoiceOf<kName>, nullptr, ESortKey::Name, 0},
    {Look("Tone", 42, 40, 4), kToneSet, EEditor::List, ChoiceOf<kToneSet>, nullptr, ESortKey::Tone,
     kSetsMany},
    {Look("RPT", 49, 40, 4), kToneCode, EEditor::List, ChoiceOf<kToneCode>, nullptr,
     ESortKey::RepeaterTone, kSetsMany},
    {Look("CTCSS", 49, 40, 4), kTsqlCode, EEditor::List, ChoiceOf<kTsqlCode>, nullptr,
     ESortKey::SquelchTone, kSetsMany},
    {Look("DTCS", 49, 40, 4), kDtcsCode, EEditor::List, DtcsText, &kDtcsList, ESortKey::DtcsCode,
     kSetsMany},
    {Look("PGR", 42, 40, 4), kAniSet, EEditor::List, ChoiceOf<kAniSet>, nullptr, ESortKey::Pager,
     kSetsMany},
    {Look("PGR CH", 55, 40, 5), kAniCode, EEditor::List, ChoiceOf<kAniCode>, nullptr,
     ESortKey::PagerMemory, kSetsMany},
    {Look("Skip", 34, 35, 3), kSkip, EEditor::List, WordWhenOn<kSkip, kSkipWord>, nullptr,
     ESortKey::Skip, kSetsMany | kMemoryOnly},
    {Look("TX Power", 61, 40, 6), kTxPower, EEditor::List, LowPowerWord, nullptr, ESortKey::Power,
     kSetsMany},
    {Look("TX Inhibit", 61, 40, 6), kTxInhibit, EEditor::List, WordWhenOn<kTxInhibit, kInhibitWord>,
     nullptr, ESortKey::Inhibit, kSetsMany},
    {Look("Scrambler", 63, 40, 6), kScrmCode, EEditor::List, ScramblerText, &kScramblerList,
     ESortKey::Scrambler, kSetsMany | kScramblerUnit},
}};

constexpr std::array<ListColumnDef, CChannelColumns::kCount> kLooks = [] {
    std::array<ListColumnDef, CChannelColumns::kCount> looks{};
    for (std::size_t i = 0; i < looks.size(); ++i) {
        looks[i] = kColumns[i].look;
    }
    return looks;
}();

// The columns that need the scrambler unit stand at the end.
constexpr int kColumnsWithoutScrambler = [] {
    int count = 0;
    while (count < CChannelColumns::kCount && (kColumns[count].flags & kScramblerUnit) == 0) {
        ++count;
    }
    return count;
}();

// The column, or the row label for a number out of range.
const SColumn& At(int column) {
    return column > 0 && column < CChannelColumns::kCount
               ? kColumns[static_cast<std::size_t>(column)]
               : kColumns[0];
}

bool Has(int column, unsigned flag) {
    return (At(column).flags & flag) != 0;
}

}  // namespace

std::span<const ListColumnDef> CChannelColumns::Looks() {
    return kLooks;
}

int CChannelColumns::CountFor(bool scrambler) {
    return scrambler ? kCount : kColumnsWithoutScrambler;
}

QString CChannelColumns::Title(int column) {
    return QString::fromLatin1(At(column).look.title);
}

CChannelColumns::EEditor CChannelColumns::Editor(int column) {
    return At(column).editor;
}

bool CChannelColumns::EditsOn(int column, int area, bool scrambler) {
    return NotEditedOn(column, area, scrambler).isEmpty();
}

QString CChannelColumns::NotEditedOn(int column, int area, bool scrambler) {
    if (Editor(column) == EEditor::None) {
        return QStringLiteral("The %1 column does not edit.").arg(Title(column));
    }
    if (Has(column, kMemoryOnly) && area != kAreaMemory) {
        return QStringLiteral("Only memory channels have %1.").arg(Title(column));
    }
    if (Has(column, kScramblerUnit) && !scrambler) {
        return QStringLiteral("The radio has no scrambler unit.");
    }
    return QString();
}

bool CChannelColumns::EditsCleared(int column) {
    return Has(column, kEditsCleared);
}

bool CChannelColumns::SetsMany(int column) {
    return Has(column, kSetsMany);
}

bool CChannelColumns::ChecksBand(int column) {
    return Has(column, kChecksBand);
}

std::optional<z5channel::ESortKey> CChannelColumns::SortKey(int column) {
    return At(column).sort;
}

QString CChannelColumns::CellText(int column, const CNode& channel, SRadio radio) {
    const TextOf text = At(column).text;
    return text != nullptr ? QString::fromStdString(text(channel, radio)) : QString();
}

// A list of its own edits what it shows; a leaf's list edits the leaf's
// choice text.
QString CChannelColumns::EditText(int column, const CNode& channel) {
    const SColumn& entry = At(column);
    switch (entry.editor) {
        case EEditor::Frequency:
            return QString::fromStdString(GetNodeFreq(&channel, entry.leaf));
        case EEditor::Name:
            return QString::fromStdString(GetNodeString(&channel, entry.leaf));
        case EEditor::List:
            return entry.ownList != nullptr ? CellText(column, channel, {})
                                            : QString::fromStdString(LeafText(channel, entry.leaf));
        case EEditor::None:
            break;
    }
    return QString();
}

QStringList CChannelColumns::Choices(int column) {
    const SColumn& entry = At(column);
    if (entry.editor != EEditor::List) {
        return {};
    }
    return entry.ownList != nullptr ? entry.ownList->choices() : LeafChoices(entry.leaf);
}

QString CChannelColumns::Refusal(int column, const CNode& channel, const QString& text) {
    const SColumn& entry = At(column);
    switch (entry.editor) {
        case EEditor::Frequency:
            return channelfields::ReadTypedFrequency(&channel, entry.leaf, text, false).reason;
        case EEditor::Name:
            return QString();
        case EEditor::List:
            return Choices(column).contains(text)
                       ? QString()
                       : QStringLiteral("\u201c%1\u201d is not one of the %2 choices.")
                             .arg(text.left(24), Title(column));
        case EEditor::None:
            break;
    }
    return NotEditedOn(column, kAreaMemory, true);
}

bool CChannelColumns::IsUnchanged(int column, const CNode& channel, const QString& text,
                                  const QString& loaded) {
    const SColumn& entry = At(column);
    if (entry.editor != EEditor::Frequency) {
        return text == loaded;
    }
    return !channelfields::ChangesLoaded(
        &channel, entry.leaf, channelfields::ReadTypedFrequency(&channel, entry.leaf, text, false),
        loaded);
}

void CChannelColumns::Write(int column, CNode& channel, const QString& text,
                            const QString& loaded) {
    const SColumn& entry = At(column);
    switch (entry.editor) {
        case EEditor::Frequency:
            channelfields::StoreTypedFrequency(
                &channel, entry.leaf,
                channelfields::ReadTypedFrequency(&channel, entry.leaf, text, false), loaded);
            return;
        case EEditor::Name:
            channelfields::StoreTypedName(&channel, text);
            return;
        case EEditor::List:
            if (entry.ownList != nullptr) {
                entry.ownList->write(channel, text);
            } else {
                SetNodeText(&channel, entry.leaf, text.toStdString());
            }
            return;
        case EEditor::None:
            return;
    }
}
