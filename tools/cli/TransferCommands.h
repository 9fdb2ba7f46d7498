// The cpz5-cli commands that talk to the radio over the cloning cable:
// setup, info, read, write. Each exits with the transfer's result code
// (CliExit.h), 2 when the clone file cannot be read or written, 64 for a bad
// command line.
#pragma once

#include "CliOptions.h"

class CCliSession;

namespace TransferCommands {
extern const SCliOptionDef kPortOptions[1];
extern const SCliOptionDef kReadOptions[2];
extern const SCliOptionDef kWriteOptions[2];

int Setup(CCliSession& session, const CCliOptions& options);
int Info(CCliSession& session, const CCliOptions& options);
int Read(CCliSession& session, const CCliOptions& options);
int Write(CCliSession& session, const CCliOptions& options);
}  // namespace TransferCommands
