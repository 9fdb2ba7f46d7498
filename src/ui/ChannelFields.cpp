#include "ui/ChannelFields.h"

#include <QLineEdit>

#include "model/FreqNode.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/TextFilter.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"
#include "ui/LineEditFilter.h"

namespace channelfields {

namespace {

// Whether text starts with a number of megahertz (after spaces, tabs and a
// "+"), as the frequency leaves read it; without one they read 0.
bool StartsWithNumber(const QString& text) {
    qsizetype at = 0;
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t')) {
        ++at;
    }
    if (at < text.size() && text[at] == u'+') {
        ++at;
    }
    if (at < text.size() && text[at] == u'.') {
        ++at;
    }
    return at < text.size() && text[at].isDigit();
}

}  // namespace

bool IsFrequencyAccepted(const CNode* channel, const char* leaf, const QString& text) {
    const auto* node =
        channel != nullptr ? dynamic_cast<const CFreqNode*>(channel->GetChild(leaf)) : nullptr;
    return node != nullptr && StartsWithNumber(text) &&
           node->IsValid(node->ParseFrequency(text.toStdString()));
}

void StoreTypedFrequency(CNode* channel, const char* leaf, const QString& typed,
                         const QString& loaded) {
    if (typed != loaded || loaded.isEmpty()) {
        SetNodeFreq(channel, leaf, typed.toStdString());
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

}  // namespace channelfields
