#include "ui/ChannelFields.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <optional>
#include <utility>

#include "model/FreqNode.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/TextFilter.h"
#include "model/TypedFrequency.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"
#include "ui/LineEditFilter.h"

namespace channelfields {

namespace {

// A typed text as a reason quotes it: a long one is cut, so that the
// reason still fits a status bar.
QString Quoted(const QString& typed) {
    constexpr qsizetype kShown = 24;
    const QString shown =
        typed.size() > kShown ? typed.left(kShown) + QStringLiteral("\u2026") : typed;
    return QCoreApplication::translate("channelfields", "\u201c%1\u201d").arg(shown);
}

QString Megahertz(std::int32_t hertz) {
    return QString::number(static_cast<double>(hertz) / CFreqNode::kScale, 'f', 5);
}

STypedFrequency Refused(QString reason) {
    return {false, {}, 0, std::move(reason)};
}

}  // namespace

STypedFrequency ReadTypedFrequency(const CNode* channel, const char* leaf, const QString& typed,
                                   bool blankTaken) {
    const auto* node =
        channel != nullptr ? dynamic_cast<const CFreqNode*>(channel->GetChild(leaf)) : nullptr;
    if (node == nullptr) {
        return Refused(
            QCoreApplication::translate("channelfields", "This channel has no such frequency."));
    }
    std::string why;
    const std::optional<std::string> canonical =
        TypedFrequency::Canonical(typed.toStdString(), &why);
    if (!canonical) {
        // The reason is one of the model's, translated here.
        return Refused(
            QCoreApplication::translate("channelfields", "%1 %2.")
                .arg(Quoted(typed), QCoreApplication::translate("TypedFrequency", why.c_str())));
    }
    if (canonical->empty()) {
        return blankTaken ? STypedFrequency{true, {}, 0, {}}
                          : Refused(QCoreApplication::translate(
                                "channelfields", "Type a frequency in MHz, such as 146.52."));
    }
    if (!node->IsValid(node->ParseFrequency(*canonical))) {
        return Refused(
            QCoreApplication::translate("channelfields", "%1 lies outside %2 to %3 MHz.")
                .arg(Quoted(typed), Megahertz(node->GetMinimum()), Megahertz(node->GetMaximum())));
    }
    return {true, *canonical, node->CFreqNode::ParseFrequency(*canonical), {}};
}

bool ChangesLoaded(const CNode* channel, const char* leaf, const STypedFrequency& typed,
                   const QString& loaded) {
    const STypedFrequency before = ReadTypedFrequency(channel, leaf, loaded, false);
    return loaded.isEmpty() || !before.accepted || before.hertz != typed.hertz;
}

void StoreTypedFrequency(CNode* channel, const char* leaf, const STypedFrequency& typed,
                         const QString& loaded) {
    if (typed.accepted && ChangesLoaded(channel, leaf, typed, loaded)) {
        SetNodeFreq(channel, leaf, typed.text);
    }
}

void StoreTypedName(CNode* channel, const QString& typed) {
    SetNodeString(channel, z5leaf::kName, AsciiUpperCase(typed.toStdString()));
}

void SetUpNameEdit(QLineEdit& edit) {
    edit.setMaxLength(static_cast<int>(z5channel::kNameLength));
    QObject::connect(&edit, &QLineEdit::textEdited, &edit,
                     [&edit] { FilterLineEdit(edit, z5channel::kNameCharacters); });
}

void MarkRefused(QLineEdit& edit) {
    edit.setFocus(Qt::OtherFocusReason);
    edit.selectAll();
}

}  // namespace channelfields
