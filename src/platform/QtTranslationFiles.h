#pragma once

#include <string>
#include <vector>

class QTranslator;

// The program's translations, chosen as Linux programs choose their
// language: the first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that names a
// language the program speaks (German, French, Spanish, Japanese); English
// when none does, when English comes first, or when a translation cannot be
// loaded. Nothing is said in any of these cases: a program in English is a
// working program.
class CQtTranslationFiles {
  public:
    // The languages the program speaks besides English ("de", "fr", ...).
    static const std::vector<std::string>& Languages();

    // The language to use: choice when it is one of Languages() or "en";
    // otherwise (empty, "system", unknown) the one the environment asks for.
    // "en" stands for English.
    static std::string Choose(const std::string& choice);

    // Loads the program's texts in language (and, with qtTexts, Qt's own
    // texts of its buttons and dialogs) and installs them: for
    // CTranslation::Tr and, when the application object exists, for every
    // tr(). Returns false, changing nothing, when language is English or its
    // translation is missing or damaged.
    static bool Install(const std::string& language, bool qtTexts);

    // Loads file (a .qm) into translator; false when it is missing or not a
    // translation file.
    static bool Load(QTranslator& translator, const std::string& file);
};
