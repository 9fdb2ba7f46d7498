// The result texts of reading and writing clone files. A result is "OK" or
// exactly one of the error texts below; callers compare against these.
#pragma once

namespace CloneFileResult {
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCannotOpenFile = "CANNOT_OPEN_FILE";
inline constexpr const char* kFormatError = "FORMAT_ERROR";
inline constexpr const char* kMismatchModel = "MISMATCH_MODEL";
inline constexpr const char* kMismatchRevision = "MISMATCH_REVISION";
inline constexpr const char* kNotEnoughData = "NOT_ENOUGH_DATA";
inline constexpr const char* kDataOverflow = "DATA_OVERFLOW";
inline constexpr const char* kError = "ERROR";
}  // namespace CloneFileResult
