// CChannelClipboard: channels on the system clipboard, so that they can be
// copied between windows, copies of the program and other programs.
//
// A copy puts up to three forms at once:
// - kBlockMimeType: the channels as a block of 224-byte ChannelClipRecords
//   (see ChannelClipRecord.h), for this program;
// - kMimeType: for a single channel also the one record alone, as every
//   copy of the program reads it;
// - text/plain: the channels as CSV rows with their header
//   (ChannelClipText.h), for spreadsheets and text editors.
// A paste prefers them in this order; a block that is refused (cut short)
// counts as absent.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "interchange/ChannelClipRecord.h"

class CChannelClipboard {
  public:
    static constexpr const char* kMimeType = "application/x-qm-z5-clipboaddata";
    static constexpr const char* kBlockMimeType = "application/x-qm-z5-channels";

    // True when the clipboard holds records, or text that may be channels.
    static bool HasData();
    // Replaces the clipboard's content by the records and their text.
    static void Put(const std::vector<ChannelClipRecord>& records, const std::string& text);
    // The records on the clipboard (a block, else a single record decoded
    // however long its data is); none when there are none.
    static std::optional<std::vector<ChannelClipRecord>> GetRecords();
    // The plain text on the clipboard (UTF-8); none when there is none or it
    // is larger than ChannelClipText::kMaxSize.
    static std::optional<std::string> GetText();
};
