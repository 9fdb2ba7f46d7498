// CBitNode: an on/off choice; a CNumNode with the range 0 to 1.
#pragma once

#include "model/NumNode.h"

class CBitNode : public CNumNode {
    CPZ5_DECLARE_CLASS(CBitNode)
  public:
    CBitNode() : CNumNode("BitNode", 0, 1) {}
};
