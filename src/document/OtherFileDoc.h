// COtherFileDoc: a clone file other than the program's document, read by the
// document's own load into a document of its own, for comparing: its leaves
// and how many memory channels it uses. The program's document stays the
// root of the node paths while and after the file is read.
#pragma once

#include <string>

#include "model/LeafComparison.h"

class CSettingsStore;
class CUserInterface;

class COtherFileDoc {
  public:
    struct SLeaves {
        bool ok = false;
        std::string message;  // the reader's result text when not ok
        LeafComparison::LeafTexts texts;
    };

    // The leaves of the clone file at path.
    static SLeaves Read(CSettingsStore& settings, CUserInterface& ui, const std::string& path);

    // The memory channels in use (whose "Clear" reads "OFF") among texts.
    static int ChannelsInUse(const LeafComparison::LeafTexts& texts);
};
