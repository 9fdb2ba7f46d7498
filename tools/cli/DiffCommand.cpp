#include "DiffCommand.h"

#include <iostream>
#include <map>
#include <utility>
#include <vector>

#include "CliExit.h"
#include "CliSession.h"
#include "LeafPaths.h"
#include "app/Z5Doc.h"
#include "clone/CloneManager.h"
#include "model/Node.h"
#include "model/RadioDataManager.h"

namespace DiffCommand {

namespace {

using LeafTexts = std::vector<std::pair<std::string, std::string>>;

// Every leaf's path and text, in tree order.
LeafTexts TextsOf(CZ5Doc& document) {
    LeafTexts texts;
    ForEachLeaf(*document.GetCloneManager().GetRadioData()->GetRoot(),
                [&texts](const std::string& path, CNode& leaf) {
                    texts.emplace_back(path, leaf.GetText());
                });
    return texts;
}

bool OpenInto(CZ5Doc& document, const std::string& path) {
    CDocument::SFileResult result = document.OpenFile(path);
    if (!result.ok) {
        CCliSession::Report(path + ": " + result.message);
    }
    return result.ok;
}

// Prints the differences in the order of a; a leaf only one side has shows
// "(none)" on the other. Returns whether any was found.
bool PrintDifferences(const LeafTexts& a, const LeafTexts& b) {
    std::map<std::string, std::string> textOfB(b.begin(), b.end());
    bool different = false;
    for (const auto& [path, text] : a) {
        auto other = textOfB.find(path);
        const std::string otherText = other != textOfB.end() ? other->second : "(none)";
        if (other == textOfB.end() || other->second != text) {
            std::cout << path << ": " << text << " -> " << otherText << '\n';
            different = true;
        }
        if (other != textOfB.end()) {
            textOfB.erase(other);
        }
    }
    for (const auto& [path, text] : b) {
        if (textOfB.count(path) != 0) {
            std::cout << path << ": (none) -> " << text << '\n';
            different = true;
        }
    }
    std::cout.flush();
    return different;
}

}  // namespace

int Run(CCliSession& session, const CCliOptions& options) {
    const std::vector<std::string>& files = options.Positionals();
    if (files.size() != 2) {
        return session.UsageError("diff compares two clone files");
    }
    CZ5Doc& first = session.Document();
    CZ5Doc second(session.Settings(), session.UserInterface());
    if (!OpenInto(first, files[0]) || !OpenInto(second, files[1])) {
        return CliExit::kFileError;
    }
    return PrintDifferences(TextsOf(first), TextsOf(second)) ? kDifferent : CliExit::kOk;
}

}  // namespace DiffCommand
