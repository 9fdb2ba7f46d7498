// CNumNode: a small number with named choices, 0 to 255 unless the memory map
// sets another range. Its text is the name of its value ("" for a value
// without a name); SetText takes only a known name (exact, case-sensitive)
// and ignores every other text.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/ValueNode.h"

class CNumNode : public CValueNode {
    CPZ5_DECLARE_CLASS(CNumNode)
  public:
    CNumNode() : CNumNode("NumNode", 0, 255) {}

    // Sets the value named text; true when text is a known name.
    bool SetText(std::string_view text) override;

  protected:
    CNumNode(std::string_view name, std::int32_t minimum, std::int32_t maximum)
        : CValueNode(name, minimum, maximum) {}
};
