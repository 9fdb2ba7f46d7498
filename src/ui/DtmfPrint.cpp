#include "ui/DtmfPrint.h"

#include <array>

#include "model/Node.h"
#include "model/NodeAccess.h"
#include "ui/PrintBoxedLines.h"

namespace {

constexpr int kLabelEndInW = 15;
constexpr int kValueEndInW = 33;

struct SDtmfLine {
    const char* label;
    const char* leaf;
};

constexpr std::array<SDtmfLine, 7> kLines{{
    {"D0", "D0"},
    {"D1", "D1"},
    {"D2", "D2"},
    {"D3", "D3"},
    {"D4", "D4"},
    {"Channel Selection", "SelectCh"},
    {"Speed", "Speed"},
}};

}  // namespace

void CDtmfPrint::Print(CPrintCanvas& canvas, int left, int top) {
    const CNode* area = CNode::ResolvePath("DTMF");
    CPrintBoxedLines lines(canvas, left, top);
    lines.Line({{kLabelEndInW, " "}, {kValueEndInW, " "}});
    for (const SDtmfLine& line : kLines) {
        lines.Line({{kLabelEndInW, line.label}, {kValueEndInW, GetNodeText(area, line.leaf)}});
    }
}
