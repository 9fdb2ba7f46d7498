#include "DiffCommand.h"

#include <iostream>
#include <vector>

#include "CliExit.h"
#include "CliSession.h"
#include "clone/CloneManager.h"
#include "document/Z5Doc.h"
#include "model/LeafComparison.h"
#include "model/MessageText.h"
#include "model/Node.h"
#include "model/RadioDataManager.h"
#include "platform/Translation.h"

namespace DiffCommand {

namespace {

bool OpenInto(CZ5Doc& document, const std::string& path) {
    CDocument::SFileResult result = document.OpenFile(path);
    if (!result.ok) {
        CCliSession::Report(MessageText::Quoted(path) + ": " + result.message);
    }
    return result.ok;
}

LeafComparison::LeafTexts TextsOf(CZ5Doc& document) {
    return LeafComparison::TextsOf(*document.GetCloneManager().GetRadioData()->GetRoot());
}

// Prints one line a difference; a leaf only one side has shows "(none)" on
// the other. Returns whether any was found.
bool PrintDifferences(const std::vector<LeafComparison::SDifference>& differences) {
    for (const LeafComparison::SDifference& difference : differences) {
        std::cout << difference.path << ": " << difference.first.value_or("(none)") << " -> "
                  << difference.second.value_or("(none)") << '\n';
    }
    std::cout.flush();
    return !differences.empty();
}

}  // namespace

int Run(CCliSession& session, const CCliOptions& options) {
    const std::vector<std::string>& files = options.Positionals();
    if (files.size() != 2) {
        return session.UsageError(CTranslation::Tr("DiffCommand", "diff compares two clone files"));
    }
    CZ5Doc& first = session.Document();
    CZ5Doc second(session.Settings(), session.UserInterface());
    if (!OpenInto(first, files[0]) || !OpenInto(second, files[1])) {
        return CliExit::kFileError;
    }
    return PrintDifferences(LeafComparison::Compare(TextsOf(first), TextsOf(second)))
               ? kDifferent
               : CliExit::kOk;
}

}  // namespace DiffCommand
