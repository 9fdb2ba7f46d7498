// The exit statuses the three programs share beside the results of a clone
// command (transport/CloneResult.h, whose values are exit statuses too).
#pragma once

namespace ExitStatus {
inline constexpr int kOk = 0;
inline constexpr int kUsage = 64;  // a bad command line
}  // namespace ExitStatus
