// The cpz5-cli commands that work on clone files only: new, dump, get, set.
// Each returns the process's exit status (CliExit.h).
#pragma once

#include <span>

#include "CliOptions.h"

class CCliSession;

namespace DocumentCommands {
extern const SCliOptionDef kNewOptions[2];
extern const SCliOptionDef kDumpOptions[1];
extern const SCliOptionDef kSetOptions[2];

int New(CCliSession& session, const CCliOptions& options);
int Dump(CCliSession& session, const CCliOptions& options);
int Get(CCliSession& session, const CCliOptions& options);
int Set(CCliSession& session, const CCliOptions& options);
}  // namespace DocumentCommands
