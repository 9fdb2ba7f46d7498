#include "CliCommands.h"

#include <algorithm>

#include "DocumentCommands.h"

namespace {

const SCliCommand kCommands[] = {
    {"new", "cpz5-cli new [--version GEN|SEA|USA|EUR] -o FILE", DocumentCommands::kNewOptions,
     &DocumentCommands::New},
    {"dump", "cpz5-cli dump [--version GEN|SEA|USA|EUR] FILE", DocumentCommands::kDumpOptions,
     &DocumentCommands::Dump},
    {"get", "cpz5-cli get [--version GEN|SEA|USA|EUR] FILE PATH...", DocumentCommands::kDumpOptions,
     &DocumentCommands::Get},
    {"set", "cpz5-cli set [--version GEN|SEA|USA|EUR] FILE PATH=TEXT... [-o OUT]",
     DocumentCommands::kSetOptions, &DocumentCommands::Set},
};

}  // namespace

std::span<const SCliCommand> CliCommands() {
    return kCommands;
}

const SCliCommand* FindCliCommand(std::string_view name) {
    auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                           [name](const SCliCommand& command) { return command.name == name; });
    return it != std::end(kCommands) ? &*it : nullptr;
}
