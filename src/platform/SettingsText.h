#pragma once

#include <string>

// Reads a settings value written as text as a 32-bit integer: optional
// surrounding spaces, an optional sign, decimal digits, nothing else. Values
// outside the 32-bit range, empty texts and anything else give defaultValue,
// so a hand-edited or damaged configuration file never yields garbage.
int ParseSettingsInt(const std::string& text, int defaultValue);
