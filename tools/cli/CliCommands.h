// The command table of cpz5-cli: one row per command with its usage line, the
// options it accepts and the function that runs it. A new command is a new
// row and a function.
#pragma once

#include <span>
#include <string_view>

#include "CliOptions.h"

class CCliSession;

struct SCliCommand {
    std::string_view name;
    std::string_view usage;
    std::span<const SCliOptionDef> options;
    int (*run)(CCliSession& session, const CCliOptions& options);
};

// Every command, in the order the usage text lists them.
std::span<const SCliCommand> CliCommands();
// The command named name, or nullptr.
const SCliCommand* FindCliCommand(std::string_view name);
