#include "DocumentCommands.h"

#include <iostream>
#include <utility>
#include <vector>

#include "CliExit.h"
#include "CliSession.h"
#include "LeafPaths.h"
#include "clone/CloneManager.h"
#include "document/Z5Doc.h"
#include "model/LeafComparison.h"
#include "model/MessageText.h"
#include "model/Node.h"
#include "model/RadioDataManager.h"
#include "platform/Translation.h"

namespace DocumentCommands {

const SCliOptionDef kNewOptions[2] = {{"-o", true}, {"--version", true}};
const SCliOptionDef kDumpOptions[1] = {{"--version", true}};
const SCliOptionDef kSetOptions[2] = {{"-o", true}, {"--version", true}};

namespace {

CNode& RootOf(CCliSession& session) {
    return *session.Document().GetCloneManager().GetRadioData()->GetRoot();
}

// Opens the clone file named by the first positional argument, after the
// run's --version took effect. Returns the exit status to stop with, or
// kOk to go on.
int OpenFirstFile(CCliSession& session, const CCliOptions& options) {
    if (!session.ApplyVersionOption(options)) {
        return CliExit::kUsage;
    }
    return session.Open(options.Positionals().front()) ? CliExit::kOk : CliExit::kFileError;
}

// The leaves named by the positional arguments from the second on; reports
// the first path that names no leaf.
bool FindLeaves(CCliSession& session, const std::vector<std::string>& paths,
                std::vector<CNode*>& leaves) {
    for (std::size_t i = 1; i < paths.size(); ++i) {
        CNode* leaf = FindLeaf(RootOf(session), paths[i]);
        if (leaf == nullptr) {
            CCliSession::Report(
                CTranslation::Args(CTranslation::Tr("DocumentCommands", "no leaf %1"),
                                   {MessageText::Quoted(paths[i])}));
            return false;
        }
        leaves.push_back(leaf);
    }
    return true;
}

using Assignment = std::pair<std::string, std::string>;

// "PATH=TEXT" arguments from the second positional argument on.
bool ParseAssignments(const std::vector<std::string>& arguments,
                      std::vector<Assignment>& assignments) {
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        std::size_t equals = arguments[i].find('=');
        if (equals == std::string::npos) {
            return false;
        }
        assignments.emplace_back(arguments[i].substr(0, equals), arguments[i].substr(equals + 1));
    }
    return true;
}

// Sets each leaf from its text as a person typed it; a path that names no
// leaf or a text the leaf does not take (an unknown choice, no frequency, a
// frequency outside the range) stops with a usage error before anything is
// saved.
int ApplyAssignments(CCliSession& session, const std::vector<Assignment>& assignments) {
    for (const auto& [path, text] : assignments) {
        CNode* leaf = FindLeaf(RootOf(session), path);
        if (leaf == nullptr) {
            CCliSession::Report(CTranslation::Args(
                CTranslation::Tr("DocumentCommands", "no leaf %1"), {MessageText::Quoted(path)}));
            return CliExit::kUsage;
        }
        std::string reason;
        if (!SetTypedText(*leaf, text, reason)) {
            CCliSession::Report(path + ": " + MessageText::Quoted(text) + " " + reason);
            return CliExit::kUsage;
        }
    }
    return CliExit::kOk;
}

// Reads the saved file back as get would read it and warns of every
// assignment whose leaf does not hold what was typed: the radio derives it,
// keeps it otherwise or not at all, or a later assignment replaced it. The
// file is read into a document of its own: read into the one that saved
// it, the leaves no file holds (the step flags, "AniFuncTmp") would keep
// what was set.
void ReportWhatWasStoredOtherwise(CCliSession& session, const std::string& path,
                                  const std::vector<Assignment>& assignments) {
    CZ5Doc saved(session.Settings(), session.UserInterface());
    if (!saved.OpenFile(path).ok) {
        CCliSession::Report(CTranslation::Args(
            CTranslation::Tr("DocumentCommands",
                             "warning: %1 could not be read back to check what it holds"),
            {MessageText::Quoted(path)}));
        return;
    }
    CNode& root = *saved.GetCloneManager().GetRadioData()->GetRoot();
    for (const auto& [leafPath, text] : assignments) {
        const CNode* stored = FindLeaf(root, leafPath);
        if (stored != nullptr && !HoldsTypedText(*stored, text)) {
            CCliSession::Report(CTranslation::Args(
                CTranslation::Tr("DocumentCommands", "warning: %1 %2 is stored as %3"),
                {leafPath, MessageText::Quoted(text), MessageText::Quoted(stored->GetText())}));
        }
    }
}

}  // namespace

int New(CCliSession& session, const CCliOptions& options) {
    std::optional<std::string> output = options.Value("-o");
    if (!options.Positionals().empty() || !output) {
        return session.UsageError(
            CTranslation::Tr("DocumentCommands", "new writes one file, named by -o"));
    }
    if (!session.ApplyVersionOption(options)) {
        return CliExit::kUsage;
    }
    return session.Save(*output) ? CliExit::kOk : CliExit::kFileError;
}

int Dump(CCliSession& session, const CCliOptions& options) {
    if (options.Positionals().size() != 1) {
        return session.UsageError(CTranslation::Tr("DocumentCommands", "dump reads one file"));
    }
    if (int status = OpenFirstFile(session, options); status != CliExit::kOk) {
        return status;
    }
    LeafComparison::ForEachLeaf(RootOf(session), [](const std::string& path, CNode& leaf) {
        std::cout << path << '=' << leaf.GetText() << '\n';
    });
    std::cout.flush();
    return CliExit::kOk;
}

int Get(CCliSession& session, const CCliOptions& options) {
    const std::vector<std::string>& arguments = options.Positionals();
    if (arguments.size() < 2) {
        return session.UsageError(
            CTranslation::Tr("DocumentCommands", "get needs a file and at least one path"));
    }
    if (int status = OpenFirstFile(session, options); status != CliExit::kOk) {
        return status;
    }
    std::vector<CNode*> leaves;
    if (!FindLeaves(session, arguments, leaves)) {
        return CliExit::kUsage;
    }
    for (CNode* leaf : leaves) {
        std::cout << leaf->GetText() << '\n';
    }
    std::cout.flush();
    return CliExit::kOk;
}

int Set(CCliSession& session, const CCliOptions& options) {
    const std::vector<std::string>& arguments = options.Positionals();
    std::vector<Assignment> assignments;
    if (arguments.size() < 2 || !ParseAssignments(arguments, assignments)) {
        return session.UsageError(
            CTranslation::Tr("DocumentCommands", "set needs a file and at least one PATH=TEXT"));
    }
    if (int status = OpenFirstFile(session, options); status != CliExit::kOk) {
        return status;
    }
    if (int status = ApplyAssignments(session, assignments); status != CliExit::kOk) {
        return status;
    }
    session.Document().SetModifiedFlag(true);
    const std::string output = options.Value("-o").value_or(arguments.front());
    if (!session.Save(output)) {
        return CliExit::kFileError;
    }
    ReportWhatWasStoredOtherwise(session, output, assignments);
    return CliExit::kOk;
}

}  // namespace DocumentCommands
