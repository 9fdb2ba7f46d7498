#include "print/DtmfPrint.h"

#include <array>

#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5MemoryMap.h"
#include "platform/Translation.h"
#include "print/PrintBoxedLines.h"

namespace {

constexpr int kLabelEndInW = 15;
constexpr int kValueEndInW = 33;

struct SDtmfLine {
    const char* label;  // the memories' names as the radio shows them, the other labels translated
    const char* leaf;
};

constexpr std::array<SDtmfLine, 7> kLines{{
    {"D0", z5leaf::kD0},
    {"D1", z5leaf::kD1},
    {"D2", z5leaf::kD2},
    {"D3", z5leaf::kD3},
    {"D4", z5leaf::kD4},
    {QT_TRANSLATE_NOOP("CDtmfPrint", "Channel Selection"), z5leaf::kSelectCh},
    {QT_TRANSLATE_NOOP("CDtmfPrint", "Speed"), z5leaf::kSpeed},
}};

}  // namespace

void CDtmfPrint::Print(CPrintCanvas& canvas, int left, int top) {
    const CNode* area = CNode::ResolvePath(z5area::kDtmf);
    CPrintBoxedLines lines(canvas, left, top);
    lines.Line({{kLabelEndInW, " "}, {kValueEndInW, " "}});
    for (const SDtmfLine& line : kLines) {
        lines.Line({{kLabelEndInW, CTranslation::Tr("CDtmfPrint", line.label)},
                    {kValueEndInW, GetNodeText(area, line.leaf)}});
    }
}
