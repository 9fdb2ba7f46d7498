#include "clone/ReadHistory.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include "clone/LineReader.h"
#include "clone/Z5CloneFileIoManager.h"
#include "platform/ReplacingFile.h"
#include "platform/SettingsStore.h"
#include "platform/Translation.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kExtension = CZ5CloneFileIoManager::kFileExtension;
constexpr std::size_t kStampLength = 15;  // "YYYYMMDD-HHMMSS"
constexpr std::size_t kMaxNamePart = 32;
// A clone file line is far shorter; a longer one is cut, as files are read.
constexpr std::size_t kLineLimit = 1024;

// Letters, digits and '-' of text (others become '-'), at most kMaxNamePart.
std::string NamePart(const std::string& text, const char* empty) {
    std::string part;
    for (unsigned char c : text) {
        if (part.size() == kMaxNamePart) {
            break;
        }
        const bool plain = std::isalnum(c) != 0 && c < 0x80;
        if (plain || (!part.empty() && part.back() != '-')) {
            part.push_back(plain ? static_cast<char>(c) : '-');
        }
    }
    while (!part.empty() && part.back() == '-') {
        part.pop_back();
    }
    return part.empty() ? empty : part;
}

// Whether text is what NamePart makes of some text.
bool IsNamePart(const std::string& text) {
    return !text.empty() && NamePart(text, "") == text;
}

std::string Stamp(std::time_t when) {
    std::tm utc{};
    gmtime_r(&when, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &utc);
    return text;
}

// The time a stamp "20261208-194012" (UTC) stands for; none when it is no
// stamp of a real time.
std::optional<std::time_t> TimeOfStamp(std::string_view stamp) {
    std::tm utc{};
    const auto field = [&stamp](std::size_t at, std::size_t length, int& value) {
        const char* first = stamp.data() + at;
        auto [end, error] = std::from_chars(first, first + length, value);
        return error == std::errc() && end == first + length && value >= 0;
    };
    if (stamp.size() != kStampLength || stamp[8] != '-' || !field(0, 4, utc.tm_year) ||
        !field(4, 2, utc.tm_mon) || !field(6, 2, utc.tm_mday) || !field(9, 2, utc.tm_hour) ||
        !field(11, 2, utc.tm_min) || !field(13, 2, utc.tm_sec)) {
        return std::nullopt;
    }
    utc.tm_year -= 1900;
    utc.tm_mon -= 1;
    const std::time_t when = timegm(&utc);
    if (when == static_cast<std::time_t>(-1) || Stamp(when) != stamp) {
        return std::nullopt;  // out of range: timegm moved it to another day
    }
    return when;
}

// The entry a file name stands for; false for a foreign name.
bool ParseName(const std::string& name, SHistoryEntry& entry) {
    const std::string extension = kExtension;
    if (name.size() <= extension.size() ||
        name.compare(name.size() - extension.size(), extension.size(), extension) != 0) {
        return false;
    }
    std::vector<std::string> parts;
    std::string_view rest(name.data(), name.size() - extension.size());
    for (std::size_t at = rest.find('_'); at != std::string_view::npos; at = rest.find('_')) {
        parts.emplace_back(rest.substr(0, at));
        rest.remove_prefix(at + 1);
    }
    parts.emplace_back(rest);
    // The program's own names only: a copy the user renamed
    // ("..._USA_before trip.cz5") is the user's.
    if (parts.size() < 3 || parts.size() > 4 || !IsNamePart(parts[1]) || !IsNamePart(parts[2])) {
        return false;
    }
    const std::optional<std::time_t> when = TimeOfStamp(parts[0]);
    if (!when) {
        return false;
    }
    entry.when = *when;
    entry.version = parts[1];
    entry.identity = parts[2];
    entry.sequence = 1;
    if (parts.size() == 4) {
        const std::string& number = parts[3];
        auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), entry.sequence);
        if (error != std::errc() || end != number.data() + number.size() || entry.sequence < 2) {
            return false;
        }
    }
    return true;
}

}  // namespace

CReadHistory::CReadHistory(std::string folder, int keep)
    : m_folder(std::move(folder)), m_keep(std::max(keep, 1)) {}

std::string CReadHistory::DefaultFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/') {
        return std::string(data) + "/cpz5/history";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return std::string(home) + "/.local/share/cpz5/history";
    }
    return "";
}

int CReadHistory::KeepSetting(const CSettingsStore& settings) {
    return std::clamp(settings.GetInt(kSection, kKeep, kDefaultKeep), 1, kMaxKeep);
}

// Reserves the name by creating it empty, so that reads stored at the same
// time by several processes never take the same name; the entry's data then
// replaces the empty file whole.
std::string CReadHistory::NewEntryPath(const std::string& stem) const {
    constexpr unsigned kMostInOneSecond = 1000;
    for (unsigned n = 1; n <= kMostInOneSecond; ++n) {
        const std::string path =
            m_folder + "/" + stem + (n > 1 ? "_" + std::to_string(n) : std::string()) + kExtension;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST) {
            return "";
        }
    }
    return "";
}

std::string CReadHistory::EntryStem(std::time_t when, const std::string& version,
                                    const std::string& identity) {
    return Stamp(when) + "_" + NamePart(version, "unknown") + "_" + NamePart(identity, "radio");
}

std::string CReadHistory::EntryName(std::time_t when, const std::string& version,
                                    const std::string& identity) {
    return EntryStem(when, version, identity) + kExtension;
}

std::string CReadHistory::Store(const std::string& source, const std::string& version,
                                const std::string& identity, std::time_t when) {
    if (m_folder.empty()) {
        return CTranslation::Tr(
            "CReadHistory", "no folder for the history (neither XDG_DATA_HOME nor HOME is set)");
    }
    std::error_code error;
    fs::create_directories(m_folder, error);
    if (error) {
        return m_folder + ": " + error.message();
    }
    CLineReader reader(kLineLimit);
    if (!reader.Open(source)) {
        return CTranslation::Args(CTranslation::Tr("CReadHistory", "%1: cannot be read"), {source});
    }
    const std::string path = NewEntryPath(EntryStem(when, version, identity));
    if (path.empty()) {
        const std::string cause = std::strerror(errno);
        return CTranslation::Args(
            CTranslation::Tr("CReadHistory", "%1: no new file can be made there (%2)"),
            {m_folder, cause});
    }
    const std::string failure = WriteEntry(reader, source, path);
    if (!failure.empty()) {
        std::error_code ignored;
        fs::remove(path, ignored);
        return failure;
    }
    RemoveBeyondLimit(path);
    return "";
}

std::string CReadHistory::WriteEntry(CLineReader& reader, const std::string& source,
                                     const std::string& path) const {
    CReplacingFile entry(path);
    if (!entry.Open()) {
        return entry.Error();
    }
    std::string line;
    while (reader.ReadLine(line)) {
        entry.Write(line);
        entry.Write("\r\n");
    }
    if (reader.HasError()) {
        return CTranslation::Args(CTranslation::Tr("CReadHistory", "%1: read error"), {source});
    }
    return entry.Commit() ? "" : entry.Error();
}

std::vector<SHistoryEntry> CReadHistory::Entries() const {
    std::vector<SHistoryEntry> entries;
    std::error_code error;
    for (fs::directory_iterator it(m_folder, error), end; !error && it != end;
         it.increment(error)) {
        SHistoryEntry entry;
        if (it->is_regular_file(error) && ParseName(it->path().filename().string(), entry)) {
            entry.path = it->path().string();
            entries.push_back(std::move(entry));
        }
    }
    std::sort(entries.begin(), entries.end(), [](const SHistoryEntry& a, const SHistoryEntry& b) {
        return a.when != b.when ? a.when < b.when : a.sequence < b.sequence;
    });
    return entries;
}

std::string CReadHistory::LocalTimeText(std::time_t when) {
    ::tzset();  // the zone of TZ as it is now
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

// The oldest by the time they were written, not by their names: a clock
// that was once wrong gave names that tell nothing. The entry just written
// stays whatever the others' times (a clock that was ahead made them newer).
void CReadHistory::RemoveBeyondLimit(const std::string& written) const {
    const std::vector<SHistoryEntry> entries = Entries();
    const std::size_t keep = static_cast<std::size_t>(m_keep);
    if (entries.size() <= keep) {
        return;
    }
    std::vector<std::pair<fs::file_time_type, const SHistoryEntry*>> byWriteTime;
    for (const SHistoryEntry& entry : entries) {
        std::error_code error;
        const fs::file_time_type time = fs::last_write_time(entry.path, error);
        byWriteTime.emplace_back(error ? fs::file_time_type::min() : time, &entry);
    }
    // Entries written at the same time keep the order of their names.
    std::stable_sort(byWriteTime.begin(), byWriteTime.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::size_t excess = entries.size() - keep;
    for (const auto& [time, entry] : byWriteTime) {
        if (excess == 0) {
            break;
        }
        if (entry->path != written) {
            std::error_code error;
            fs::remove(entry->path, error);
            --excess;
        }
    }
}
