#include "LeafPaths.h"

#include "model/Node.h"

CNode* FindLeaf(CNode& root, std::string_view path) {
    CNode* node = path.empty() ? nullptr : root.FindPath(path);
    return node != nullptr && node->GetChildren().empty() ? node : nullptr;
}
