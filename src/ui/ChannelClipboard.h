// CChannelClipboard: one channel on the system clipboard, as the 224-byte
// ChannelClipRecord under the MIME type kMimeType, so that channels can be
// copied between windows and copies of the program.
#pragma once

#include <optional>

#include "interchange/ChannelClipRecord.h"

class CChannelClipboard {
  public:
    static constexpr const char* kMimeType = "application/x-qm-z5-clipboaddata";

    // True when the clipboard holds data under kMimeType.
    static bool HasRecord();
    // Replaces the clipboard's content by the record.
    static void Put(const ChannelClipRecord& record);
    // The record on the clipboard (decoded however long its data is), or
    // none when the clipboard holds no data under kMimeType.
    static std::optional<ChannelClipRecord> Get();
};
