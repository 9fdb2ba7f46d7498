// The model's texts that people read (area titles, leaf names, reasons a
// typed value is refused) in the user's language. The model knows no
// languages: such a text is marked where it is written, under a context
// that is a literal, so that the translation tools find it, and translated
// where it is shown with the same context. A function of the model that
// puts marked texts together into one text (a label, a step name) takes the
// program's lookup as an argument.
#pragma once

#include <string>

// The same marker as Qt's and the platform's translation lookup's.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace translationmark {

// The program's translation (CTranslation::Tr has this shape); nullptr
// keeps the texts as written, in English.
using Lookup = std::string (*)(const char* context, const char* source);

// source in the language of lookup.
inline std::string Shown(Lookup lookup, const char* context, const char* source) {
    return lookup != nullptr ? lookup(context, source) : std::string(source);
}

}  // namespace translationmark
