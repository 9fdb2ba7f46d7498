// What the channel editors (the edit dialog and the grid's cells) do with a
// typed frequency or name, in one place so that both store the same values
// for the same input.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

class CNode;
class QLineEdit;

namespace channelfields {

// A frequency or offset typed for a frequency leaf of a channel, as read.
struct STypedFrequency {
    bool accepted = false;
    std::string text;        // what the leaf is set from: the canonical text, "" for a blank one
    std::int32_t hertz = 0;  // the value typed, before the leaf moves it to its raster
    QString reason;          // why it is refused, in words for the user
};

// Reads typed for the frequency leaf of channel strictly: digits with one
// decimal point or comma (TypedFrequency), inside the leaf's range (it
// would be clamped otherwise). A blank text is taken only when blankTaken
// (the dialog: no frequency clears the channel, no offset is 0). A
// frequency outside the radio's band is taken (the grid marks it). Refused
// without such a leaf.
STypedFrequency ReadTypedFrequency(const CNode* channel, const char* leaf, const QString& typed,
                                   bool blankTaken);
// Whether a taken frequency differs from the text loaded from the leaf
// (another value, whatever its decimal mark or digits; an empty loaded text
// always differs).
bool ChangesLoaded(const CNode* channel, const char* leaf, const STypedFrequency& typed,
                   const QString& loaded);
// Stores a taken frequency into the leaf when it ChangesLoaded (so a 6.25 kHz
// channel read from the radio keeps its frequency exactly); a changed one
// moves down to the raster of a typed frequency. A refused one stores
// nothing.
void StoreTypedFrequency(CNode* channel, const char* leaf, const STypedFrequency& typed,
                         const QString& loaded);
// Stores the name leaf of channel from typed, in upper case. The editor
// filters what is typed (SetUpNameEdit); a name loaded with a character
// that cannot be typed keeps it.
void StoreTypedName(CNode* channel, const QString& typed);
// Makes edit a name editor: its length limit, and characters that a name
// may not hold are taken out as the user types.
void SetUpNameEdit(QLineEdit& edit);

// Puts the focus into edit and marks its text, so that what is typed next
// replaces a text that was refused.
void MarkRefused(QLineEdit& edit);

}  // namespace channelfields
