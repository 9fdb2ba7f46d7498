// cpz5-cli's print command: runs the printing program with the command's
// arguments in place of this process, so that its exit status and its
// messages are the command's.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "CliExit.h"
#include "CliSession.h"
#include "PrintCommand.h"
#include "platform/Translation.h"

namespace PrintCommand {

namespace {

constexpr const char* kProgram = "cpz5-cli-print";

// Where the printing program is: beside this program (the build tree), or
// in the libexec folder of the installation it belongs to.
std::filesystem::path FindProgram() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::path() : self.parent_path();
    for (const std::filesystem::path& candidate :
         {folder / kProgram, folder / CPZ5_LIBEXEC_FROM_BIN / kProgram}) {
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

// The command line of the printing program: the options as given (the
// market under its new name), then the files.
std::vector<std::string> Arguments(const std::filesystem::path& program,
                                   const CCliOptions& options) {
    std::vector<std::string> arguments = {program.string(), "print"};
    for (const SCliOptionDef& option : kOptions) {
        if (!options.Has(option.name)) {
            continue;
        }
        arguments.emplace_back(option.name == CCliOptions::kMarketOption ? CCliOptions::kMarketName
                                                                         : option.name);
        if (option.takesValue) {
            arguments.push_back(options.Value(option.name).value_or(""));
        }
    }
    for (const std::string& positional : options.Positionals()) {
        arguments.push_back(positional);
    }
    return arguments;
}

}  // namespace

int Run(CCliSession&, const CCliOptions& options) {
    const std::filesystem::path program = FindProgram();
    if (program.empty()) {
        CCliSession::Report(CTranslation::Args(
            CTranslation::Tr("PrintCommand",
                             "printing is not installed: %1 is neither beside cpz5-cli nor in %2"),
            {kProgram, CPZ5_LIBEXEC_FROM_BIN}));
        return CliExit::kFileError;
    }
    std::vector<std::string> arguments = Arguments(program, options);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    std::cout.flush();
    execv(argv[0], argv.data());
    const std::string cause = std::strerror(errno);
    CCliSession::Report(CTranslation::Args(
        CTranslation::Tr("PrintCommand", "the printing program %1 cannot be run: %2"),
        {program.string(), cause}));
    return CliExit::kFileError;
}

}  // namespace PrintCommand
