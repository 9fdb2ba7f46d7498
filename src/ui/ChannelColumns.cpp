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

const QString kScramblerOff = QStringLiteral("OFF");
const QString kNormalPolarity = QStringLiteral("N");
const QString kInversePolarity = QStringLiteral("i");

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

// How each column of the grid's table edits, in column order.
struct SColumnEditor {
    EEditor editor;
    const SOwnList* ownList;  // nullptr: the leaf's choices
};

constexpr std::array<SColumnEditor, CChannelColumns::kCount> kEditors = {{
    {EEditor::None, nullptr},          // CH
    {EEditor::Frequency, nullptr},     // Frequency
    {EEditor::List, nullptr},          // Duplex
    {EEditor::List, nullptr},          // Reverse
    {EEditor::Frequency, nullptr},     // Offset Freq.
    {EEditor::Name, nullptr},          // Name
    {EEditor::List, nullptr},          // Tone
    {EEditor::List, nullptr},          // RPT
    {EEditor::List, nullptr},          // CTCSS
    {EEditor::List, &kDtcsList},       // DTCS
    {EEditor::List, nullptr},          // PGR
    {EEditor::List, nullptr},          // PGR CH
    {EEditor::List, nullptr},          // Skip
    {EEditor::List, nullptr},          // TX Power
    {EEditor::List, nullptr},          // TX Inhibit
    {EEditor::List, &kScramblerList},  // Scrambler
}};

// The column's editor, or the row label's for a number out of range.
const SColumnEditor& At(int column) {
    return column > 0 && column < CChannelColumns::kCount
               ? kEditors[static_cast<std::size_t>(column)]
               : kEditors[0];
}

bool Has(int column, CChannelGrid::EColumnRole role) {
    return CChannelGrid::Has(column, role);
}

}  // namespace

int CChannelColumns::CountFor(bool scrambler) {
    return CChannelGrid::ColumnsFor(scrambler);
}

QString CChannelColumns::Title(int column) {
    return QCoreApplication::translate("ListColumnDef", CChannelGrid::Title(column));
}

CChannelColumns::EEditor CChannelColumns::Editor(int column) {
    return At(column).editor;
}

bool CChannelColumns::EditsOn(int column, int area, bool scrambler) {
    return NotEditedOn(column, area, scrambler).isEmpty();
}

QString CChannelColumns::NotEditedOn(int column, int area, bool scrambler) {
    if (Editor(column) == EEditor::None) {
        return tr("The %1 column does not edit.").arg(Title(column));
    }
    if (Has(column, CChannelGrid::kMemoryOnly) && area != kAreaMemory) {
        return tr("Only memory channels have %1.").arg(Title(column));
    }
    if (Has(column, CChannelGrid::kScramblerUnit) && !scrambler) {
        return tr("The radio has no scrambler unit.");
    }
    return QString();
}

bool CChannelColumns::EditsCleared(int column) {
    return Has(column, CChannelGrid::kEditsCleared);
}

bool CChannelColumns::SetsMany(int column) {
    return Has(column, CChannelGrid::kSetsMany);
}

bool CChannelColumns::ChecksBand(int column) {
    return Has(column, CChannelGrid::kChecksBand);
}

std::optional<z5channel::ESortKey> CChannelColumns::SortKey(int column) {
    return CChannelGrid::SortKey(column);
}

// A list of its own edits what it shows; a leaf's list edits the leaf's
// choice text.
QString CChannelColumns::EditText(int column, const CNode& channel) {
    const SColumnEditor& entry = At(column);
    const char* leaf = CChannelGrid::Leaf(column);
    switch (entry.editor) {
        case EEditor::Frequency:
            return QString::fromStdString(GetNodeFreq(&channel, leaf));
        case EEditor::Name:
            return QString::fromStdString(GetNodeString(&channel, leaf));
        case EEditor::List:
            return QString::fromStdString(entry.ownList != nullptr
                                              ? CChannelGrid::LeafText(&channel, column)
                                              : GetNodeText(&channel, leaf));
        case EEditor::None:
            break;
    }
    return QString();
}

QStringList CChannelColumns::Choices(int column) {
    const SColumnEditor& entry = At(column);
    const char* leaf = CChannelGrid::Leaf(column);
    if (entry.editor != EEditor::List) {
        return {};
    }
    return entry.ownList != nullptr ? entry.ownList->choices() : LeafChoices(leaf);
}

QString CChannelColumns::Refusal(int column, const CNode& channel, const QString& text) {
    const SColumnEditor& entry = At(column);
    const char* leaf = CChannelGrid::Leaf(column);
    switch (entry.editor) {
        case EEditor::Frequency:
            return channelfields::ReadTypedFrequency(&channel, leaf, text, false).reason;
        case EEditor::Name:
            return QString();
        case EEditor::List:
            return Choices(column).contains(text)
                       ? QString()
                       : tr("\u201c%1\u201d is not one of the %2 choices.")
                             .arg(text.left(24), Title(column));
        case EEditor::None:
            break;
    }
    return NotEditedOn(column, kAreaMemory, true);
}

bool CChannelColumns::IsUnchanged(int column, const CNode& channel, const QString& text,
                                  const QString& loaded) {
    const SColumnEditor& entry = At(column);
    const char* leaf = CChannelGrid::Leaf(column);
    if (entry.editor != EEditor::Frequency) {
        return text == loaded;
    }
    return !channelfields::ChangesLoaded(
        &channel, leaf, channelfields::ReadTypedFrequency(&channel, leaf, text, false), loaded);
}

void CChannelColumns::Write(int column, CNode& channel, const QString& text,
                            const QString& loaded) {
    const SColumnEditor& entry = At(column);
    const char* leaf = CChannelGrid::Leaf(column);
    switch (entry.editor) {
        case EEditor::Frequency:
            channelfields::StoreTypedFrequency(
                &channel, leaf, channelfields::ReadTypedFrequency(&channel, leaf, text, false),
                loaded);
            return;
        case EEditor::Name:
            channelfields::StoreTypedName(&channel, text);
            return;
        case EEditor::List:
            if (entry.ownList != nullptr) {
                entry.ownList->write(channel, text);
            } else {
                SetNodeText(&channel, leaf, text.toStdString());
            }
            return;
        case EEditor::None:
            return;
    }
}
