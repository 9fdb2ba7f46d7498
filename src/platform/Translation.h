#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the translators without translating it where it stands
// (a table of texts); it is translated where it is shown, with
// CTranslation::Tr and the same context. The same marker as Qt's, so that
// the translation tools find both.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// The texts people read, in their language. The layers below the desktop
// know no Qt: a program that has translations installs a lookup here, and
// every text asked for through Tr goes through it. Without a lookup, or for
// a text the lookup does not know, the text stays as written (English).
// What programs and files exchange (radio data, leaf paths, dump lines,
// CSV headers) never goes through here.
class CTranslation {
  public:
    using Lookup = std::string (*)(const char* context, const char* source);

    // Installs the lookup of the program's language (nullptr: English).
    static void Install(Lookup lookup);

    // The text of source in the program's language.
    static std::string Tr(const char* context, const char* source);

    // text with "%1", "%2", ... replaced by the arguments in order; a
    // placeholder without an argument stays.
    static std::string Args(std::string text, std::initializer_list<std::string_view> arguments);
};
