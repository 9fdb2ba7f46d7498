#include "model/Node.h"

#include <unordered_set>

CPZ5_IMPLEMENT_CLASS(CNode, CNodeBase)

namespace {

CNode* g_active_root = nullptr;

}  // namespace

CNode::CNode() : stamp_(GetConstructionCount()) {}

CNode::~CNode() {
    children_.clear();
}

CNode& CNode::operator=(const CNode& source) {
    CopyFrom(source);
    return *this;
}

bool CNode::SetText(std::string_view) {
    return false;
}

void CNode::SetValue(std::int32_t) {}

std::string CNode::GetText() const {
    return GetName();
}

std::int32_t CNode::GetValue() const {
    return GetData();
}

void CNode::CopyFrom(const CNode& source) {
    if (&source != this) {
        CopyContent(source);
    }
}

void CNode::CopyContent(const CNode& source) {
    stamp_ = GetConstructionCount();
    SetGeneration(source.GetGeneration() + 1);
    SetName(source.GetName());
    SetTag(source.GetTag());
    SetData(source.GetData());
    children_.insert(children_.end(), source.children_.begin(), source.children_.end());
}

// Calls visit(node) for this node and every node below it, each once, until
// visit returns true; returns whether it did. Children shared by several nodes
// or lists that lead back up cannot make the walk loop.
template <class Visit>
bool CNode::WalkTree(Visit visit) const {
    std::unordered_set<const CNode*> seen;
    std::vector<const CNode*> pending{this};
    while (!pending.empty()) {
        const CNode* node = pending.back();
        pending.pop_back();
        if (!seen.insert(node).second) {
            continue;
        }
        if (visit(*node)) {
            return true;
        }
        pending.insert(pending.end(), node->children_.rbegin(), node->children_.rend());
    }
    return false;
}

void CNode::MarkModifiedTree() {
    WalkTree([](const CNode& node) {
        const_cast<CNode&>(node).MarkModified();
        return false;
    });
}

bool CNode::IsModifiedTree() const {
    return WalkTree([](const CNode& node) { return node.IsModified(); });
}

CNode* CNode::GetChild(std::string_view name) const {
    for (CNode* child : children_) {
        if (child->GetName() == name) {
            return child;
        }
    }
    return nullptr;
}

CNode* CNode::AddChild(CNode* node) {
    if (node == nullptr || node == this) {
        return nullptr;
    }
    children_.push_back(node);
    return node;
}

CNode* CNode::FindPath(std::string_view path) {
    CNode* node = this;
    if (path.empty()) {
        return node;
    }
    while (node != nullptr) {
        const std::size_t dot = path.find('.');
        const std::string_view name = path.substr(0, dot);
        node = name.empty() ? nullptr : node->GetChild(name);
        if (dot == std::string_view::npos) {
            break;
        }
        path.remove_prefix(dot + 1);
    }
    return node;
}

void CNode::SetActiveRoot(CNode* root) {
    g_active_root = root;
}

CNode* CNode::GetActiveRoot() {
    return g_active_root;
}

CNode* CNode::ResolvePath(std::string_view path) {
    return g_active_root != nullptr ? g_active_root->FindPath(path) : nullptr;
}
