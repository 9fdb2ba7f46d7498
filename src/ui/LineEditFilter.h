// Keeping a line edit's text to a set of characters as the user types: a
// character that is not allowed is taken out again at once, and the caret
// stays behind the last character typed.
#pragma once

#include <string_view>

class QLineEdit;

// Removes from edit's text every character not in allowed (ASCII). The
// caret keeps its place among the characters that stay. Returns true when
// a character was removed.
bool FilterLineEdit(QLineEdit& edit, std::string_view allowed);
