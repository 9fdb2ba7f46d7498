// Character filters for the editors' text fields.
#pragma once

#include <string>
#include <string_view>

// Removes from text every character that does not occur in allowed. Returns
// true when it removed any.
bool KeepAllowed(std::string& text, std::string_view allowed);

// Replaces every character of text that occurs in listed by replacement.
void ReplaceListed(std::string& text, std::string_view replacement, std::string_view listed);

// c with an ASCII small letter made capital; any other character as it is.
char AsciiUpperCase(char c);
// text with every ASCII small letter made capital.
std::string AsciiUpperCase(std::string_view text);
