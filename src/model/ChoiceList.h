// CChoiceList: what the model needs of a drop-down list of texts, so that
// choice lists can be filled without any user-interface toolkit. A view wraps
// its combo box in a subclass.
#pragma once

#include <cstdint>
#include <string_view>

class CNode;

class CChoiceList {
  public:
    virtual ~CChoiceList() = default;

    virtual void Clear() = 0;
    virtual void AddText(std::string_view text) = 0;
    // Index of the first entry equal to text with letter case ignored, or -1.
    virtual int FindTextNoCase(std::string_view text) const = 0;
    virtual void Select(int index) = 0;
};

// Fills list with the choice texts of the value node parent.child: for every
// value from first to last (ascending, only those inside the node's range),
// the node's text for that value when it is not empty. Empties the list first
// when clear is set. Afterwards the node holds its old value and the entry
// equal to its text (case ignored), if any, is selected. Values without a
// name never appear. Returns false, leaving the list alone, when there is no
// such child or it is not a value node.
bool FillChoiceList(CNode* parent, std::string_view child, CChoiceList& list, std::int32_t first,
                    std::int32_t last, bool clear);
