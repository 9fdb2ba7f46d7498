// What the channel editors (the edit dialog and the grid's cells) do with a
// typed frequency or name, in one place so that both store the same values
// for the same input.
#pragma once

#include <QString>

class CNode;
class QLineEdit;

namespace channelfields {

// Whether the frequency leaf of channel takes text as a frequency: it starts
// with a number (the leaf would read any other text as 0 MHz) that lies
// inside the leaf's range (it would be clamped otherwise); false without
// such a leaf. A frequency outside the radio's band is taken (the grid marks
// it).
bool IsFrequencyAccepted(const CNode* channel, const char* leaf, const QString& text);
// Stores typed into the frequency leaf unless it is the unchanged text
// loaded from the leaf (a 6.25 kHz channel read from the radio keeps its
// frequency exactly); an empty loaded text always stores.
void StoreTypedFrequency(CNode* channel, const char* leaf, const QString& typed,
                         const QString& loaded);
// Stores the name leaf of channel from typed, in upper case. The editor
// filters what is typed (SetUpNameEdit); a name loaded with a character
// that cannot be typed keeps it.
void StoreTypedName(CNode* channel, const QString& typed);
// Makes edit a name editor: its length limit, and characters that a name
// may not hold are taken out as the user types.
void SetUpNameEdit(QLineEdit& edit);

}  // namespace channelfields
