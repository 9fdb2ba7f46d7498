#include "model/BitNode.h"

CPZ5_IMPLEMENT_CLASS(CBitNode, CNumNode)
