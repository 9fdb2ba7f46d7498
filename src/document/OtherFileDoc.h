// COtherFileDoc: a clone file other than the program's document, read by the
// document's own load into a document of its own, for comparing and for
// taking its values over: its data tree, its leaves and how many memory
// channels it uses. The program's document stays the root of the node paths
// while and after the file is read, and while this object lives.
#pragma once

#include <memory>
#include <string>

#include "document/Document.h"
#include "model/LeafComparison.h"

class CNode;
class CSettingsStore;
class CUserInterface;
class CZ5Doc;

class COtherFileDoc {
  public:
    struct SLeaves {
        bool ok = false;
        std::string message;  // the reader's result text when not ok
        LeafComparison::LeafTexts texts;
    };

    // The settings store and the port (where the load shows its wait cursor
    // and warnings) must outlive this object.
    COtherFileDoc(CSettingsStore& settings, CUserInterface& ui);
    ~COtherFileDoc();
    COtherFileDoc(const COtherFileDoc&) = delete;
    COtherFileDoc& operator=(const COtherFileDoc&) = delete;

    // Reads the clone file at path. Not ok, with the reader's result text
    // first ("FORMAT_ERROR", "MISMATCH_MODEL", ...), for a file that does
    // not read; with wholeImage also for a file cut short
    // ("NOT_ENOUGH_DATA: ..."), whose missing part would be factory data.
    CDocument::SFileResult Open(const std::string& path, bool wholeImage);
    // The data tree of the file last opened successfully; nullptr before.
    CNode* Root();

    // The leaves of the clone file at path (a file cut short counts).
    static SLeaves Read(CSettingsStore& settings, CUserInterface& ui, const std::string& path);

    // The memory channels in use (whose "Clear" reads "OFF") among texts.
    static int ChannelsInUse(const LeafComparison::LeafTexts& texts);

  private:
    std::unique_ptr<CZ5Doc> m_document;
    bool m_open = false;
};
