// The cpz5-cli commands that talk to the radio over the cloning cable:
// setup, info, read, write. Each exits with the transfer's result code
// (CliExit.h), 2 when the clone file cannot be read or written, 64 for a bad
// command line; write --verify exits 94 when the radio holds other data than
// was sent, write --backup 95 when the backup could not be kept. Every read
// (a backup too) is kept in the radio history. read and write take --port
// more than once for several radios at once (FleetTransfer.h).
#pragma once

#include <optional>
#include <string>

#include "CliOptions.h"

class CCliSession;

namespace TransferCommands {
extern const SCliOptionDef kPortOptions[1];
extern const SCliOptionDef kReadOptions[2];
extern const SCliOptionDef kWriteOptions[4];

int Setup(CCliSession& session, const CCliOptions& options);
int Info(CCliSession& session, const CCliOptions& options);
int Read(CCliSession& session, const CCliOptions& options);
int Write(CCliSession& session, const CCliOptions& options);
}  // namespace TransferCommands
