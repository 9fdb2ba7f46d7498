// CValueNode: common part of the numeric nodes, a CNode that is also a
// CValueList. The tree holds the CNode part; GetValuePart and GetNodePart lead
// from one part to the other. GetValue and SetValue of the node are those of
// the value (clamped to the range); the node's data stays separate. Copying
// (CopyFrom, assignment) copies the node and merges the source's choices; the
// numeric value is not copied.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Node.h"
#include "model/ValueList.h"

class CValueNode : public CNode, public CValueList {
  public:
    CValueNode& operator=(const CValueNode& source);

    std::string GetText() const override { return CValueList::GetText(); }
    std::int32_t GetValue() const override { return CValueList::GetValue(); }
    void SetValue(std::int32_t value) override { CValueList::SetValue(value); }

    CValueList* GetValuePart() override { return this; }
    const CValueList* GetValuePart() const override { return this; }
    CNode* GetNodePart() override { return this; }
    const CNode* GetNodePart() const override { return this; }

  protected:
    CValueNode(std::string_view name, std::int32_t minimum, std::int32_t maximum);
    void CopyContent(const CNode& source) override;
};
