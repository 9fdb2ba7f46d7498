// CFileTakeOver: compares the document with another clone file and takes the
// other file's values into the document: single leaves, whole channels or
// memories (every leaf of them, so a cleared channel comes over cleared), or
// everything.
//
// Each take is one change the document announces: the views follow it and
// it is one step of Undo, named after what was taken ("Take over Memory CH
// 01 from b.cz5"). A take that changes nothing is no step.
//
// The other file is read in silence and only when it is whole: a file that
// does not read, a file of another model and a file cut short are refused
// with their reason, and nothing can be taken from them.
#pragma once

#include <string>
#include <vector>

#include "document/Document.h"
#include "document/OtherFileDoc.h"
#include "model/LeafComparison.h"
#include "platform/SilentUserInterface.h"

class CCloneSupportDoc;
class CNode;
struct SNodeChange;

class CFileTakeOver {
  public:
    // The document and the settings store must outlive this object.
    CFileTakeOver(CCloneSupportDoc& document, CSettingsStore& settings);

    // Reads the clone file at path, shown to the user as name. On failure
    // the message says why (the reader's result text first) and nothing can
    // be taken.
    CDocument::SFileResult Open(const std::string& path, const std::string& name);

    // What differs now, the document first, the other file second.
    std::vector<LeafComparison::SDifference> Differences();

    // Takes the other file's value of every leaf at or below each path (a
    // leaf "MCH.CH1.FreqRx", a channel "MCH.CH1", an area "Common") as one
    // step; paths the trees lack are passed over. The number of leaves whose
    // text changed.
    int Take(const std::vector<std::string>& paths);
    // Takes every leaf of the other file.
    int TakeAll();

  private:
    // Takes what is below every path and announces it as the step "Take
    // over <what> from <name>" (what "": the number of values changed).
    int TakeAsOneStep(const std::vector<std::string>& paths, const std::string& what);
    // The leaves that changed, by path.
    std::vector<std::string> TakeBelow(const std::string& path);
    CNode& DocumentRoot();

    CCloneSupportDoc& m_document;
    CSilentUserInterface m_silent;
    COtherFileDoc m_other;
    std::string m_name;
};
