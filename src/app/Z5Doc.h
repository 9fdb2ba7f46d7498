// CZ5Doc: the QM-Z5 document of the program, with its file commands Save and
// Save As. Both are guarded by the command busy flag: while another command
// runs they do nothing and answer false.
#pragma once

#include "app/Z5CloneSupportDoc.h"

class CZ5Doc : public CZ5CloneSupportDoc {
  public:
    CZ5Doc(CSettingsStore& settings, CUserInterface& ui) : CZ5CloneSupportDoc(settings, ui) {}

    // Save: to the document's file (asks for a name when it has none); Save
    // As: to a name the user gives. True when the file was saved.
    bool OnFileSave();
    bool OnFileSaveAs();
};
