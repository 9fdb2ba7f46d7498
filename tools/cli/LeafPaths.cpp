#include "LeafPaths.h"

#include "model/Node.h"

namespace {

void VisitLeaves(CNode& node, const std::string& path,
                 const std::function<void(const std::string&, CNode&)>& visit) {
    if (node.GetChildren().empty()) {
        visit(path, node);
        return;
    }
    for (CNode* child : node.GetChildren()) {
        VisitLeaves(*child, path.empty() ? child->GetName() : path + "." + child->GetName(), visit);
    }
}

}  // namespace

void ForEachLeaf(CNode& root, const std::function<void(const std::string&, CNode&)>& visit) {
    for (CNode* area : root.GetChildren()) {
        VisitLeaves(*area, area->GetName(), visit);
    }
}

CNode* FindLeaf(CNode& root, std::string_view path) {
    CNode* node = path.empty() ? nullptr : root.FindPath(path);
    return node != nullptr && node->GetChildren().empty() ? node : nullptr;
}
