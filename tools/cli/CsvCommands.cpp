#include "CsvCommands.h"

#include <iostream>

#include "CliExit.h"
#include "CliSession.h"
#include "document/Z5Doc.h"
#include "interchange/ChannelCsv.h"
#include "model/MessageText.h"
#include "platform/Translation.h"
#include "transport/SettingsKeys.h"

namespace CsvCommands {

const SCliOptionDef kExportOptions[2] = {{"-o", true}, {"--version", true}};
const SCliOptionDef kImportOptions[3] = {{"-o", true}, {"--skip-bad", false}, {"--version", true}};

namespace {

// Opens the clone file named first, after --version took effect. Returns
// the exit status to stop with, or kOk to go on.
int OpenCloneFile(CCliSession& session, const CCliOptions& options) {
    if (!session.ApplyVersionOption(options)) {
        return CliExit::kUsage;
    }
    return session.Open(options.Positionals().front()) ? CliExit::kOk : CliExit::kFileError;
}

CChannelCsv ChannelsOf(CCliSession& session) {
    return CChannelCsv(session.Document().GetCloneManager());
}

// Each problem in a line of its own: text with "%1" the file and "%2" the
// problem ("%2" alone when the problem names the file).
void ReportProblems(const std::vector<SCsvProblem>& problems, const std::string& text,
                    const std::string& quotedPath) {
    for (const SCsvProblem& problem : problems) {
        CCliSession::Report(CTranslation::Args(text, {quotedPath, problem.Describe()}));
    }
}

// Neither the setup nor --version named a version: frequencies are judged
// against all the radio receives rather than the default version's band.
bool VersionUnknown(CCliSession& session) {
    return !SettingsKey::IsStored(session.Settings(), SettingsKey::kModelVer);
}

}  // namespace

int ExportCsv(CCliSession& session, const CCliOptions& options) {
    if (options.Positionals().size() != 1) {
        return session.UsageError(
            CTranslation::Tr("CsvCommands", "export-csv reads one clone file"));
    }
    if (int status = OpenCloneFile(session, options); status != CliExit::kOk) {
        return status;
    }
    std::optional<std::string> output = options.Value("-o");
    if (!output) {
        std::cout << ChannelsOf(session).Export();
        std::cout.flush();
        return std::cout ? CliExit::kOk : CliExit::kFileError;
    }
    std::string error;
    if (!ChannelsOf(session).ExportToFile(*output, error)) {
        CCliSession::Report(error);
        return CliExit::kFileError;
    }
    return CliExit::kOk;
}

int ImportCsv(CCliSession& session, const CCliOptions& options) {
    const std::vector<std::string>& arguments = options.Positionals();
    if (arguments.size() != 2) {
        return session.UsageError(
            CTranslation::Tr("CsvCommands", "import-csv needs a clone file and a CSV file"));
    }
    if (int status = OpenCloneFile(session, options); status != CliExit::kOk) {
        return status;
    }
    const CChannelCsv::EBadRows badRows = options.Has("--skip-bad")
                                              ? CChannelCsv::EBadRows::kSkip
                                              : CChannelCsv::EBadRows::kRefuseAll;
    const std::string& csvPath = arguments[1];
    const std::string quotedPath = MessageText::Quoted(csvPath);
    CChannelCsv channels = ChannelsOf(session);
    channels.SetVersionUnknown(VersionUnknown(session));
    const SChannelCsvImport result = channels.ImportFile(csvPath, badRows);
    switch (result.status) {
        case SChannelCsvImport::EStatus::kCannotRead:
            ReportProblems(result.problems, "%2", quotedPath);  // the reason names the file
            return CliExit::kFileError;
        case SChannelCsvImport::EStatus::kRefused:
            ReportProblems(result.problems, "%1: %2", quotedPath);
            CCliSession::Report(CTranslation::Args(
                CTranslation::Tr("CsvCommands", "%1: nothing imported"), {quotedPath}));
            return kBadCsv;
        case SChannelCsvImport::EStatus::kImported:
            break;
    }
    ReportProblems(result.problems, CTranslation::Tr("CsvCommands", "%1: skipped %2"), quotedPath);
    ReportProblems(result.warnings, CTranslation::Tr("CsvCommands", "%1: warning: %2"), quotedPath);
    session.Document().SetModifiedFlag(true);
    return session.Save(options.Value("-o").value_or(arguments.front())) ? CliExit::kOk
                                                                         : CliExit::kFileError;
}

}  // namespace CsvCommands
