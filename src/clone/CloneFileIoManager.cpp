#include "clone/CloneFileIoManager.h"

#include <algorithm>
#include <cstdio>

#include "clone/CloneFileResult.h"
#include "clone/CloneManager.h"
#include "clone/LineReader.h"
#include "clone/ModelManager.h"
#include "platform/TextFile.h"

CPZ5_IMPLEMENT_CLASS(CCloneFileIoManager, CCloneManagerObject)

namespace {

constexpr std::uint32_t kBaseImageSize = 1024;
constexpr std::uint32_t kWorkingImageSize = 0x10000;
constexpr std::size_t kAddressDigits = 4;
constexpr std::size_t kCountDigits = 2;
constexpr std::size_t kLinePrefixLength = kAddressDigits + kCountDigits;

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

bool IsDecimalText(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsHexText(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return HexDigitValue(c) >= 0; });
}

// The value of digits hexadecimal characters of text from at; the caller has
// checked that they are hexadecimal digits.
std::uint32_t ParseHex(const std::string& text, std::size_t at, std::size_t digits) {
    std::uint32_t value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        value = value * 16 + static_cast<std::uint32_t>(HexDigitValue(text[i]));
    }
    return value;
}

std::string FormatHeader(std::uint32_t modelCode, std::uint32_t revision) {
    char header[24];
    std::snprintf(header, sizeof header, "%04X%04X", static_cast<unsigned>(modelCode),
                  static_cast<unsigned>(revision));
    return header;
}

// The comment line never holds a control character: a line break in the
// comment would end the line and the rest would be read as a bad data line.
std::string CommentLine(const std::string& comment) {
    std::string line = "#" + comment;
    std::replace_if(
        line.begin(), line.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
    return line;
}

}  // namespace

CCloneFileIoManager::CCloneFileIoManager() : m_working(kWorkingImageSize) {}

CCloneFileIoManager::~CCloneFileIoManager() = default;

void CCloneFileIoManager::Initialize() {
    Configure(0, 0, kBaseImageSize);
}

void CCloneFileIoManager::Configure(std::uint32_t modelCode, std::uint32_t revision,
                                    std::uint32_t imageSize) {
    m_modelCode = modelCode;
    m_revision = revision;
    m_imageSize = imageSize;
    m_lineWidth = 16;
    m_comment.clear();
    m_storage.assign(imageSize, 0);
}

void CCloneFileIoManager::TakeModelFromOwner() {
    const CModelManager* models = GetOwner() != nullptr ? GetOwner()->GetModelManager() : nullptr;
    if (models != nullptr) {
        m_modelCode = models->GetModelInfo().GetModelCode();
        m_revision = models->GetModelInfo().GetRevision();
    }
}

std::uint32_t CCloneFileIoManager::GetLineCount() const {
    return m_lineWidth == 0 ? 0 : (m_imageSize + m_lineWidth - 1) / m_lineWidth;
}

void CCloneFileIoManager::SaveStorage() {
    std::uint32_t count = std::min({kBaseImageSize, m_imageSize, m_working.GetSize()});
    m_storage.resize(std::max<std::size_t>(m_storage.size(), count));
    m_working.Read(0, m_storage.data(), count);
}

void CCloneFileIoManager::RestoreStorage() {
    std::uint32_t count = std::min({kBaseImageSize, m_imageSize, m_working.GetSize()});
    if (m_storage.size() >= count) {
        m_working.Write(0, m_storage.data(), count);
    }
}

bool CCloneFileIoManager::IsValidAddress(std::uint32_t address) const {
    return address < m_imageSize && m_working.IsValidAddress(address);
}

std::uint8_t CCloneFileIoManager::GetByte(std::uint32_t address) const {
    return IsValidAddress(address) ? m_working.GetByte(address) : CImageBuffer::kErasedByte;
}

void CCloneFileIoManager::SetByte(std::uint32_t address, std::uint8_t value) {
    if (IsValidAddress(address)) {
        m_working.SetByte(address, value);
    }
}

ECloneFileResult CCloneFileIoManager::Save(const std::string& path,
                                           std::span<const SMemoryRange> ranges,
                                           const CImageBuffer& image) {
    TakeModelFromOwner();
    m_working.Assign(image);
    return WriteCloneFile(path, ranges);
}

ECloneFileResult CCloneFileIoManager::Load(const std::string& path, CImageBuffer& image) {
    TakeModelFromOwner();
    m_working.Assign(image);
    const ECloneFileResult result = ReadCloneFile(path);
    if (result == ECloneFileResult::Ok) {
        image.Assign(m_working);
    }
    return result;
}

ECloneFileResult CCloneFileIoManager::WriteCloneFile(const std::string& path,
                                                     std::span<const SMemoryRange> ranges) {
    CTextFile file(path);
    m_failureReason.clear();
    if (!file.OpenForWrite()) {
        m_failureReason = file.Error();
        return ECloneFileResult::CannotOpenFile;
    }
    bool written = file.WriteLine(FormatHeader(m_modelCode, m_revision)) &&
                   file.WriteLine(CommentLine(m_comment));
    for (const SMemoryRange& range : ranges) {
        if (!written || range.first >= m_imageSize || range.last >= m_imageSize) {
            break;
        }
        written = WriteRange(file, range);
    }
    bool closed = file.Close();
    m_failureReason = file.Error();
    return written && closed ? ECloneFileResult::Ok : ECloneFileResult::Error;
}

// Lines break at multiples of the line width, so a range that starts or ends
// inside a line gives shorter first or last lines.
bool CCloneFileIoManager::WriteRange(CTextFile& file, const SMemoryRange& range) {
    for (std::uint32_t address = range.first; address <= range.last;) {
        std::uint32_t count =
            std::min(m_lineWidth - address % m_lineWidth, range.last - address + 1);
        char text[8];
        std::snprintf(text, sizeof text, "%04X%02X", static_cast<unsigned>(address),
                      static_cast<unsigned>(count));
        std::string line = text;
        for (std::uint32_t i = 0; i < count; ++i) {
            std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(GetByte(address + i)));
            line += text;
        }
        if (!file.WriteLine(line)) {
            return false;
        }
        address += count;
    }
    return true;
}

ECloneFileResult CCloneFileIoManager::ReadCloneFile(const std::string& path) {
    SaveStorage();
    const ECloneFileResult result = ReadLines(path);
    if (result != ECloneFileResult::Ok) {
        RestoreStorage();
    }
    return result;
}

ECloneFileResult CCloneFileIoManager::ReadLines(const std::string& path) {
    // One character more than the longest valid line, so that every longer
    // line is still seen as too long; comment lines of any length are skipped.
    CLineReader reader(kMaxDataLineLength + 1);
    m_failureReason.clear();
    m_dataLinesRead = 0;
    m_covered.assign(m_imageSize, false);
    if (!reader.Open(path)) {
        m_failureReason = reader.Error();
        return ECloneFileResult::CannotOpenFile;
    }
    std::string line;
    if (!reader.ReadLine(line)) {
        m_failureReason = reader.Error();
        return reader.HasError() ? ECloneFileResult::Error : ECloneFileResult::FormatError;
    }
    ECloneFileResult result = CheckHeader(line);
    while (result == ECloneFileResult::Ok && reader.ReadLine(line)) {
        if (line.empty()) {
            result = ECloneFileResult::FormatError;
        } else if (line[0] != '#') {
            result = StoreDataLine(line);
        }
    }
    if (result == ECloneFileResult::Ok && reader.HasError()) {
        m_failureReason = reader.Error();
        result = ECloneFileResult::Error;
    }
    if (result == ECloneFileResult::Ok && !IsComplete()) {
        result = ECloneFileResult::NotEnoughData;
    }
    return result;
}

// The header must be 8 decimal digits. It is compared with the expected model
// code and revision from the left: a difference in the model code rejects the
// file; a difference in the revision rejects it unless any revision is
// expected (revision 0).
ECloneFileResult CCloneFileIoManager::CheckHeader(const std::string& line) const {
    if (line.size() != kHeaderLength || !IsDecimalText(line)) {
        return ECloneFileResult::FormatError;
    }
    const std::string expected = FormatHeader(m_modelCode, m_revision);
    for (std::size_t i = 0; i < kHeaderLength; ++i) {
        if (line[i] == expected[i]) {
            continue;
        }
        if (i < kAddressDigits) {
            return ECloneFileResult::MismatchModel;
        }
        return m_revision == 0 ? ECloneFileResult::Ok : ECloneFileResult::MismatchRevision;
    }
    return ECloneFileResult::Ok;
}

ECloneFileResult CCloneFileIoManager::StoreDataLine(const std::string& line) {
    if (line.size() < kMinDataLineLength || line.size() > kMaxDataLineLength || !IsHexText(line)) {
        return ECloneFileResult::FormatError;
    }
    const std::uint32_t address = ParseHex(line, 0, kAddressDigits);
    const std::uint32_t count = ParseHex(line, kAddressDigits, kCountDigits);
    if (line.size() != kLinePrefixLength + 2 * count) {
        return ECloneFileResult::FormatError;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!IsValidAddress(address + i)) {
            return ECloneFileResult::DataOverflow;
        }
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        SetByte(address + i,
                static_cast<std::uint8_t>(ParseHex(line, kLinePrefixLength + 2 * i, 2)));
        if (address + i < m_covered.size()) {
            m_covered[address + i] = true;
        }
    }
    ++m_dataLinesRead;
    return ECloneFileResult::Ok;
}

bool CCloneFileIoManager::CoveredWholeImage() const {
    return m_covered.size() == m_imageSize &&
           std::find(m_covered.begin(), m_covered.end(), false) == m_covered.end();
}
