#include "interchange/ChannelClipText.h"

#include <algorithm>
#include <optional>

#include "interchange/ChannelCsvRow.h"
#include "interchange/ChannelCsvText.h"
#include "interchange/CsvReader.h"
#include "interchange/CsvWriter.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"
#include "platform/Translation.h"

namespace ChannelClipText {
namespace {

// Tried in this order for a header; a tie of field counts goes to the first.
constexpr char kSeparators[] = {'\t', ';', ','};
constexpr std::string_view kLocation = "Location";
constexpr std::string_view kFrequency = "Frequency";

// How the text lays out its rows.
struct SLayout {
    char separator = ',';
    bool header = false;
    CChannelCsvRow::Columns columns;
};

std::optional<SCsvRecord> FirstRow(std::string_view text, char separator) {
    CCsvReader reader(text, separator);
    SCsvRecord record;
    return reader.NextFilled(record) ? std::optional(std::move(record)) : std::nullopt;
}

CChannelCsvRow::Columns ExportColumns() {
    SCsvRecord headers;
    headers.fields = ChannelCsvColumns::Headers();
    return CChannelCsvRow::ColumnsOf(headers);
}

// The layout of text; none when it has no row at all.
std::optional<SLayout> LayoutOf(std::string_view text) {
    std::optional<SLayout> widest;
    std::size_t mostFields = 0;
    for (char separator : kSeparators) {
        std::optional<SCsvRecord> first = FirstRow(text, separator);
        if (!first) {
            return std::nullopt;
        }
        SLayout layout{separator, false, CChannelCsvRow::ColumnsOf(*first)};
        if (first->error.empty() && CChannelCsvRow(layout.columns, *first).Has(kFrequency)) {
            layout.header = true;
            return layout;
        }
        if (!widest || first->fields.size() > mostFields) {
            mostFields = first->fields.size();
            widest = SLayout{separator, false, ExportColumns()};
        }
    }
    return widest;
}

// The row of a cleared channel: a channel number in Location, fields up to
// the Frequency column at least, and all of them empty but Location.
bool IsClearedRow(const CChannelCsvRow::Columns& columns, const SCsvRecord& record) {
    const auto location = columns.find(ChannelCsvText::LowerCase(kLocation));
    const auto frequency = columns.find(ChannelCsvText::LowerCase(kFrequency));
    if (location == columns.end() || frequency == columns.end() ||
        record.fields.size() <= std::max(location->second, frequency->second) ||
        !ChannelCsvText::ParseScaled(ChannelCsvText::Trim(record.fields[location->second]), 0)) {
        return false;
    }
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        const bool isLocation = location != columns.end() && location->second == i;
        if (!isLocation && !ChannelCsvText::Trim(record.fields[i]).empty()) {
            return false;
        }
    }
    return true;
}

SChannelClipTextRead Refused(std::string reason) {
    SChannelClipTextRead read;
    read.refused = true;
    read.problems.push_back({0, std::move(reason)});
    return read;
}

}  // namespace

std::string Write(const std::vector<SNumberedChannel>& channels) {
    CCsvWriter writer;
    const std::vector<std::string> headers = ChannelCsvColumns::Headers();
    writer.WriteRecord(headers);
    for (const SNumberedChannel& entry : channels) {
        if (entry.channel == nullptr || GetNodeValue(entry.channel, z5leaf::kClear) != 0) {
            std::vector<std::string> fields(headers.size());
            fields.front() = std::to_string(entry.number);
            writer.WriteRecord(fields);
        } else {
            writer.WriteRecord(ChannelCsvColumns::ExportFields(*entry.channel, entry.number));
        }
    }
    return writer.Text();
}

bool MightBeChannels(std::string_view text) {
    if (text.empty() || text.size() > kMaxSize) {
        return false;
    }
    const std::optional<SLayout> layout = LayoutOf(text);
    if (!layout) {
        return false;
    }
    if (layout->header) {
        return true;
    }
    const std::optional<SCsvRecord> first = FirstRow(text, layout->separator);
    const std::string_view frequency =
        first ? CChannelCsvRow(layout->columns, *first).Trimmed(kFrequency) : std::string_view();
    std::string notAFrequency;
    return ChannelCsvText::ParseTypedMillihertz(frequency, notAFrequency).has_value();
}

SChannelClipTextRead Read(std::string_view text, const SChannelCsvLimits& limits, int maxRows) {
    if (text.size() > kMaxSize) {
        return Refused(CTranslation::Args(
            CTranslation::Tr("ChannelClipText",
                             "the text is larger than %1 bytes, no channel list"),
            {std::to_string(kMaxSize)}));
    }
    const std::optional<SLayout> layout = LayoutOf(text);
    if (!layout || limits.prototype == nullptr) {
        return Refused(CTranslation::Tr("ChannelClipText", "the text holds no rows"));
    }
    CCsvReader reader(text, layout->separator);
    SCsvRecord record;
    if (layout->header) {
        reader.NextFilled(record);
    }
    SChannelClipTextRead read;
    while (reader.NextFilled(record)) {
        const int offset = read.rowCount++;
        if (offset >= maxRows) {
            continue;
        }
        SChannelClipRow row;
        row.offset = offset;
        row.plan.line = record.line;
        row.cleared = record.error.empty() && IsClearedRow(layout->columns, record);
        std::vector<std::string> reasons;
        if (!row.cleared) {
            reasons = ChannelCsvColumns::ReadFields(CChannelCsvRow(layout->columns, record), limits,
                                                    row.plan);
        }
        if (!record.error.empty()) {
            reasons.insert(reasons.begin(), record.error);
        }
        if (reasons.empty()) {
            read.rows.push_back(std::move(row));
        } else {
            read.problems.push_back({record.line, ChannelCsvColumns::JoinReasons(reasons)});
        }
    }
    if (read.rowCount == 0) {
        return Refused(CTranslation::Tr("ChannelClipText", "the text holds no rows"));
    }
    return read;
}

void WriteRow(const SChannelClipRow& row, CNode& channel, bool keepSkip) {
    if (row.cleared) {
        z5channel::ClearChannel(channel);
        return;
    }
    row.plan.ApplyTo(channel);
    if (!keepSkip) {
        SetNodeValue(&channel, z5leaf::kSkip, 0);
    }
}

}  // namespace ChannelClipText
