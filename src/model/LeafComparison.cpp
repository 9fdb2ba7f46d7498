#include "model/LeafComparison.h"

#include <map>

#include "model/Node.h"
#include "model/StringNode.h"

namespace LeafComparison {

void ForEachLeafBelow(CNode& node, const std::string& path,
                      const std::function<void(const std::string&, CNode&)>& visit) {
    if (node.GetChildren().empty()) {
        visit(path, node);
        return;
    }
    for (CNode* child : node.GetChildren()) {
        ForEachLeafBelow(*child, path + "." + child->GetName(), visit);
    }
}

void ForEachLeaf(CNode& root, const std::function<void(const std::string&, CNode&)>& visit) {
    for (CNode* area : root.GetChildren()) {
        ForEachLeafBelow(*area, area->GetName(), visit);
    }
}

LeafTexts TextsOf(CNode& root) {
    LeafTexts texts;
    ForEachLeaf(root, [&texts](const std::string& path, CNode& leaf) {
        texts.emplace_back(path, leaf.GetText());
    });
    return texts;
}

std::vector<SDifference> Compare(const LeafTexts& first, const LeafTexts& second) {
    std::map<std::string, const std::string*> onlySecond;
    for (const auto& [path, text] : second) {
        onlySecond.emplace(path, &text);
    }
    std::vector<SDifference> differences;
    for (const auto& [path, text] : first) {
        auto other = onlySecond.find(path);
        if (other == onlySecond.end()) {
            differences.push_back({path, text, std::nullopt});
            continue;
        }
        if (*other->second != text) {
            differences.push_back({path, text, *other->second});
        }
        onlySecond.erase(other);
    }
    for (const auto& [path, text] : second) {
        if (onlySecond.count(path) != 0) {
            differences.push_back({path, std::nullopt, text});
        }
    }
    return differences;
}

bool TakeLeaf(const CNode& source, CNode& target) {
    const std::string before = target.GetText();
    const auto* text = dynamic_cast<const CStringNode*>(&source);
    auto* targetText = dynamic_cast<CStringNode*>(&target);
    if (text != nullptr && targetText != nullptr) {
        targetText->SetString(text->GetString());
    } else {
        target.SetValue(source.GetValue());
    }
    return target.GetText() != before;
}

std::string AreaOf(const std::string& path) {
    return path.substr(0, path.find('.'));
}

}  // namespace LeafComparison
