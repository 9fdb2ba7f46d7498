// Exit statuses of cpz5-cli. The transfer commands exit with the transfer's
// own result code (1 cancelled, 77 failure, 85 wrong model, 90 wrong
// version, 91 port failed to open).
#pragma once

namespace CliExit {
inline constexpr int kOk = 0;
inline constexpr int kFileError = 2;  // a clone file could not be read or written
inline constexpr int kUsage = 64;     // bad command line
}  // namespace CliExit
