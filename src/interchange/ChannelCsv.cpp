#include "interchange/ChannelCsv.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>

#include "clone/CloneManager.h"
#include "clone/ModelManager.h"
#include "interchange/ChannelCsvColumns.h"
#include "interchange/ChannelCsvRow.h"
#include "interchange/CsvReader.h"
#include "interchange/CsvWriter.h"
#include "model/MessageText.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/RadioDataManager.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"
#include "platform/ReplacingFile.h"
#include "platform/TextFile.h"
#include "platform/Translation.h"

namespace {

constexpr const char* kChannelArea = z5area::kMemory;

using Plans = std::vector<SChannelPlan>;

CNode* ChannelArea(CCloneManager& manager) {
    CRadioDataManager* map = manager.GetRadioData();
    return map != nullptr ? map->GetRoot()->GetChild(kChannelArea) : nullptr;
}

CNode* Channel(CNode& area, int location) {
    return area.GetChild(z5map::RecordName(*z5map::Area(kChannelArea), location));
}

SChannelCsvLimits LimitsOf(CCloneManager& manager, CNode& area) {
    const CModelManager* models = manager.GetModelManager();
    if (models == nullptr) {
        return ChannelCsvColumns::LimitsOf(area, 0, false);
    }
    SChannelCsvLimits limits = ChannelCsvColumns::LimitsOf(
        area, models->GetVersion(),
        z5map::HasOption(models->GetModelInfo().GetOptionByte(), z5option::kReceiveRange) == 1);
    limits.versionName = models->GetModelInfo().GetName();
    return limits;
}

SChannelCsvImport Refusal(int line, std::string reason) {
    SChannelCsvImport result;
    result.status = SChannelCsvImport::EStatus::kRefused;
    result.problems.push_back({line, std::move(reason)});
    return result;
}

// Reads every data row after the header into plans (good rows) and problems
// (bad rows).
void ReadRows(CCsvReader& reader, const CChannelCsvRow::Columns& columns,
              const SChannelCsvLimits& limits, Plans& plans, std::vector<SCsvProblem>& problems) {
    std::map<int, int> lineOfLocation;
    SCsvRecord record;
    while (reader.NextFilled(record)) {
        SChannelPlan plan;
        std::vector<std::string> reasons =
            ChannelCsvColumns::ReadRow(CChannelCsvRow(columns, record), limits, plan);
        if (!record.error.empty()) {
            reasons.insert(reasons.begin(), record.error);
        }
        if (plan.location >= 0) {
            auto [earlier, first] = lineOfLocation.emplace(plan.location, record.line);
            if (!first) {
                reasons.push_back(CTranslation::Args(
                    CTranslation::Tr("CChannelCsv", "Location %1 is also on line %2"),
                    {std::to_string(plan.location), std::to_string(earlier->second)}));
            }
        }
        if (reasons.empty()) {
            plan.line = record.line;
            plans.push_back(std::move(plan));
        } else {
            problems.push_back({record.line, ChannelCsvColumns::JoinReasons(reasons)});
        }
    }
}

std::string TooLarge(const std::string& path) {
    return CTranslation::Args(
        CTranslation::Tr("CChannelCsv", "%1: larger than %2 bytes, not a channel list"),
        {MessageText::Quoted(path), std::to_string(CChannelCsv::kMaxFileSize)});
}

// Refused unless it is a regular file, before it is opened (nothing waits on
// a FIFO, no device is touched), and refused when it is too large to be a
// channel list.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string& error) {
    std::string reason;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        CTextFile::OpenRegularFile(path, false, reason), &std::fclose);
    if (!file) {
        error = MessageText::Quoted(path) + (reason.rfind("is ", 0) == 0 ? " " : ": ") + reason;
        return std::nullopt;
    }
    std::string text;
    char buffer[16384];
    while (std::size_t count = std::fread(buffer, 1, sizeof buffer, file.get())) {
        if (text.size() + count > CChannelCsv::kMaxFileSize) {
            error = TooLarge(path);
            return std::nullopt;
        }
        text.append(buffer, count);
    }
    if (std::ferror(file.get())) {
        error = MessageText::Quoted(path) + ": " + std::strerror(errno);
        return std::nullopt;
    }
    return text;
}

constexpr char kSeparators[] = {',', ';', '\t'};

// The first separator whose header row has every column an import needs;
// "," when none has.
char SeparatorOf(std::string_view text) {
    for (char separator : kSeparators) {
        CCsvReader reader(text, separator);
        SCsvRecord header;
        if (!reader.NextFilled(header) || !header.error.empty()) {
            continue;
        }
        const CChannelCsvRow::Columns columns = CChannelCsvRow::ColumnsOf(header);
        const CChannelCsvRow row(columns, header);
        if (std::all_of(std::begin(ChannelCsvColumns::kRequiredHeaders),
                        std::end(ChannelCsvColumns::kRequiredHeaders),
                        [&row](std::string_view required) { return row.Has(required); })) {
            return separator;
        }
    }
    return kSeparators[0];
}

}  // namespace

std::string SCsvProblem::Describe() const {
    return line > 0 ? CTranslation::Args(CTranslation::Tr("SCsvProblem", "line %1: %2"),
                                         {std::to_string(line), reason})
                    : reason;
}

std::string SCsvProblem::DescribeAll(const std::vector<SCsvProblem>& problems, std::size_t listed) {
    std::string text;
    for (std::size_t i = 0; i < problems.size() && i < listed; ++i) {
        text += problems[i].Describe() + "\n";
    }
    if (problems.size() > listed) {
        text += CTranslation::Args(CTranslation::Tr("SCsvProblem", "... and %1 more"),
                                   {std::to_string(problems.size() - listed)}) +
                "\n";
    }
    return text;
}

std::string CChannelCsv::Export() const {
    CCsvWriter writer;
    writer.WriteRecord(ChannelCsvColumns::Headers());
    CNode* area = ChannelArea(m_manager);
    const int count = area != nullptr ? static_cast<int>(area->GetChildren().size()) : 0;
    for (int location = 0; location < count; ++location) {
        const CNode* channel = Channel(*area, location);
        if (channel != nullptr && GetNodeValue(channel, z5leaf::kClear) == 0) {
            writer.WriteRecord(ChannelCsvColumns::ExportFields(*channel, location));
        }
    }
    return writer.Text();
}

SChannelCsvImport CChannelCsv::Import(std::string_view text, EBadRows badRows) {
    CNode* area = ChannelArea(m_manager);
    if (area == nullptr || Channel(*area, 0) == nullptr) {
        return Refusal(0, CTranslation::Tr("CChannelCsv", "the data has no memory channels"));
    }
    CCsvReader reader(text, SeparatorOf(text));
    SCsvRecord header;
    if (!reader.NextFilled(header)) {
        return Refusal(0, CTranslation::Tr("CChannelCsv", "the file is empty: no header row"));
    }
    if (!header.error.empty()) {
        return Refusal(header.line,
                       CTranslation::Args(CTranslation::Tr("CChannelCsv", "the header row: %1"),
                                          {header.error}));
    }
    const CChannelCsvRow::Columns columns = CChannelCsvRow::ColumnsOf(header);
    for (std::string_view required : ChannelCsvColumns::kRequiredHeaders) {
        if (!CChannelCsvRow(columns, header).Has(required)) {
            return Refusal(header.line,
                           CTranslation::Args(
                               CTranslation::Tr("CChannelCsv", "the header row has no %1 column"),
                               {required}));
        }
    }
    SChannelCsvImport result;
    Plans plans;
    SChannelCsvLimits limits = LimitsOf(m_manager, *area);
    limits.wholeRange = m_versionUnknown;
    ReadRows(reader, columns, limits, plans, result.problems);
    if (!result.problems.empty() && badRows == EBadRows::kRefuseAll) {
        result.status = SChannelCsvImport::EStatus::kRefused;
        return result;
    }
    for (const SChannelPlan& plan : plans) {
        plan.ApplyTo(*Channel(*area, plan.location));
        result.imported.push_back(plan.location);
        for (const std::string& warning : plan.warnings) {
            result.warnings.push_back({plan.line, warning});
        }
    }
    result.status = SChannelCsvImport::EStatus::kImported;
    return result;
}

bool CChannelCsv::ExportToFile(const std::string& path, std::string& error) const {
    CReplacingFile file(path);
    if (!file.Open()) {
        error = file.Error();
        return false;
    }
    file.Write(Export());
    if (!file.Commit()) {
        error = file.Error();
        return false;
    }
    return true;
}

SChannelCsvImport CChannelCsv::ImportFile(const std::string& path, EBadRows badRows) {
    std::string error;
    std::optional<std::string> text = ReadWholeFile(path, error);
    if (!text) {
        SChannelCsvImport result = Refusal(0, error);
        result.status = SChannelCsvImport::EStatus::kCannotRead;
        return result;
    }
    return Import(*text, badRows);
}
