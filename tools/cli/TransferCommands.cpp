#include "TransferCommands.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "CliExit.h"
#include "CliSession.h"
#include "FleetTransfer.h"
#include "OverriddenSettings.h"
#include "clone/CommPortSetup.h"
#include "clone/ReadHistory.h"
#include "document/DocWriteSafeguard.h"
#include "document/Z5Doc.h"
#include "platform/Translation.h"
#include "transport/PortName.h"
#include "transport/SettingsKeys.h"

namespace TransferCommands {

const SCliOptionDef kPortOptions[1] = {{"--port", true}};
const SCliOptionDef kReadOptions[2] = {{"--port", true, true}, {"-o", true}};
const SCliOptionDef kWriteOptions[4] = {
    {"--port", true, true}, {"--yes", false}, {"--verify", false}, {"--backup", false}};

namespace {

// The port of --port, or a usage error.
std::optional<unsigned> RequirePort(CCliSession& session, const CCliOptions& options) {
    std::optional<std::string> port = options.Value("--port");
    std::optional<unsigned> number = port ? session.PortNumberOf(*port) : std::nullopt;
    if (!number) {
        session.UsageError(
            port
                ? CTranslation::Args(CTranslation::Tr("TransferCommands",
                                                      "--port takes COMn or a device path, not %1"),
                                     {*port})
                : CTranslation::Tr("TransferCommands",
                                   "the radio's port is named by --port (COMn or a device)"));
    }
    return number;
}

// Runs a clone command of the document on the port of --port. Every read
// is kept in the radio history.
int RunOnPort(CCliSession& session, const CCliOptions& options, ECloneResult (CZ5Doc::*command)()) {
    std::optional<unsigned> port = RequirePort(session, options);
    if (!port) {
        return CliExit::kUsage;
    }
    session.Document().EnableReadHistory(CReadHistory::DefaultFolder());
    session.Document().OnComPort(*port);
    return ExitStatusOf((session.Document().*command)());
}

}  // namespace

int Setup(CCliSession& session, const CCliOptions& options) {
    if (!options.Positionals().empty()) {
        return session.UsageError(CTranslation::Tr("TransferCommands", "setup takes no file"));
    }
    std::optional<unsigned> port = RequirePort(session, options);
    if (!port) {
        return CliExit::kUsage;
    }
    CCommPortSetup setup(session.Settings(), session.UserInterface());
    return setup.Identify(static_cast<int>(*port)) ? CliExit::kOk
                                                   : ExitStatusOf(setup.LastResult());
}

int Info(CCliSession& session, const CCliOptions& options) {
    if (!options.Positionals().empty()) {
        return session.UsageError(CTranslation::Tr("TransferCommands", "info takes no file"));
    }
    return RunOnPort(session, options, &CZ5Doc::OnCloneInformation);
}

int Read(CCliSession& session, const CCliOptions& options) {
    std::optional<std::string> output = options.Value("-o");
    if (!options.Positionals().empty() || !output) {
        return session.UsageError(
            CTranslation::Tr("TransferCommands", "read writes one file, named by -o"));
    }
    const std::vector<std::string> ports = options.Values("--port");
    if (ports.size() > 1) {
        return FleetTransfer::Run(session, FleetTransfer::EJob::Read, ports, *output);
    }
    int result = RunOnPort(session, options, &CZ5Doc::OnCloneRead);
    if (result != CliExit::kOk) {
        return result;
    }
    return session.Save(*output) ? CliExit::kOk : CliExit::kFileError;
}

int Write(CCliSession& session, const CCliOptions& options) {
    if (options.Positionals().size() != 1) {
        return session.UsageError(CTranslation::Tr("TransferCommands", "write sends one file"));
    }
    // The flags switch the safeguards on for this run; the settings may
    // have them on already.
    auto* settings = dynamic_cast<COverriddenSettings*>(&session.Settings());
    for (const auto& [flag, setting] : {std::pair{"--verify", CDocWriteSafeguard::kVerify},
                                        std::pair{"--backup", CDocWriteSafeguard::kBackup}}) {
        if (options.Has(flag) && settings != nullptr) {
            settings->Override(CReadHistory::kSection, setting, 1);
        }
    }
    const std::vector<std::string> ports = options.Values("--port");
    if (ports.size() > 1) {
        return FleetTransfer::Run(session, FleetTransfer::EJob::Write, ports,
                                  options.Positionals().front());
    }
    if (!session.Open(options.Positionals().front())) {
        return CliExit::kFileError;
    }
    return RunOnPort(session, options, &CZ5Doc::OnCloneWrite);
}

}  // namespace TransferCommands
