// CNode: a node of the data tree, with an ordered list of children.
//
// Ownership: the children list does not own its nodes. Whoever builds a tree
// (the memory map) owns every node in it and deletes them; destroying a node
// deletes no child. Children may be shared between nodes (CopyFrom shares
// them), so the "tree" may be a graph; the walks below visit each node once.
//
// Lookups: GetChild finds a child by exact, case-sensitive name. A path is a
// list of names joined by "." with one name per tree level, for example
// MCH.CH12.FreqRx, Common.Beep, DTMF.D3 or PGR.C4.Code. ResolvePath walks a
// path from the active root, which the document that owns the tree sets with
// SetActiveRoot and clears before the tree goes away.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/NodeBase.h"

class CValueList;

class CNode : public CNodeBase {
    CPZ5_DECLARE_CLASS(CNode)
  public:
    CNode();
    // Empties the children list; deletes no child.
    ~CNode() override;

    // CopyFrom(source); returns this node.
    CNode& operator=(const CNode& source);

    // Sets the node from its text. Returns true when the text was taken as it
    // is (a known choice, a frequency inside the range, an accepted text);
    // false when it was ignored or clamped. A plain node ignores every text.
    virtual bool SetText(std::string_view text);
    // Sets the node's value (clamped to its range). A plain node ignores it.
    // Neither SetText nor SetValue marks the node modified.
    virtual void SetValue(std::int32_t value);

    // The text shown for the node: a plain node shows its name.
    virtual std::string GetText() const;
    // The node's value: a plain node gives its data.
    virtual std::int32_t GetValue() const;

    // Makes this node a copy of source: restamps it, takes source's generation
    // plus 1, copies name, tag and data (so the node becomes modified) and
    // appends source's children to its own list (shared, not duplicated).
    // Value nodes also take over source's choices or text. Copying a node onto
    // itself does nothing.
    void CopyFrom(const CNode& source);

    // Marks this node and every node below it modified.
    virtual void MarkModifiedTree();
    // True when this node or any node below it is modified.
    virtual bool IsModifiedTree() const;

    // The construction counter at this node's construction or last CopyFrom.
    std::int64_t GetStamp() const { return stamp_; }

    // The first child named name, or nullptr. Not owned by the caller.
    CNode* GetChild(std::string_view name) const;
    // Appends node (not owned) to the children and returns it; nullptr and this
    // node itself are not added (nullptr is returned).
    CNode* AddChild(CNode* node);
    const std::vector<CNode*>& GetChildren() const { return children_; }

    // The node below this one at the dotted path; "" gives this node. A name
    // that is missing (or empty, as in "Common..Beep") gives nullptr.
    CNode* FindPath(std::string_view path);

    // The value part of a value node (see CValueList), nullptr for others.
    virtual CValueList* GetValuePart() { return nullptr; }
    virtual const CValueList* GetValuePart() const { return nullptr; }

    // The root that ResolvePath starts from, or nullptr. Not owned.
    static void SetActiveRoot(CNode* root);
    static CNode* GetActiveRoot();
    // FindPath from the active root; nullptr when there is no active root.
    static CNode* ResolvePath(std::string_view path);

  protected:
    // The copy of CopyFrom for a source other than this node. Overrides call
    // the base first.
    virtual void CopyContent(const CNode& source);

  private:
    template <class Visit>
    bool WalkTree(Visit visit) const;

    std::int64_t stamp_;
    std::vector<CNode*> children_;
};
