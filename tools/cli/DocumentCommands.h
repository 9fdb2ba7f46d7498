// The cpz5-cli commands that work on clone files only: new, dump, get, set.
// Each returns the process's exit status (CliExit.h).
//
// set takes each text as a person typed it (LeafPaths.h: SetTypedText); a
// path that names no leaf or a text its leaf does not take is a usage error
// and nothing is written. After saving, it reads the file back as get does
// and warns of every leaf that holds other than was typed (the radio
// derives it or keeps it otherwise or not at all), with what it holds.
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
