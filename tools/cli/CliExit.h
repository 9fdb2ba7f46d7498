// Exit statuses of cpz5-cli. The transfer commands exit with the transfer's
// own result code (1 cancelled, 77 failure, 85 wrong model, 90 wrong
// version, 91 port failed to open).
#pragma once

#include "platform/ExitStatus.h"

namespace CliExit {
inline constexpr int kOk = ExitStatus::kOk;
inline constexpr int kFileError = 2;  // a clone file could not be read or written
inline constexpr int kUsage = ExitStatus::kUsage;
}  // namespace CliExit
