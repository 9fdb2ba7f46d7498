#include "print/PgrPrint.h"

#include <string>

#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5MemoryMap.h"
#include "print/PrintBoxedLines.h"

namespace {

// Where the three boxes of a line end, in widths of "W".
constexpr int kLabelEndInW = 15;
constexpr int kSkipEndInW = kLabelEndInW + 9;
constexpr int kCodeEndInW = kSkipEndInW + 9;
constexpr const char* kNoSkip = "---";

}  // namespace

void CPgrPrint::Print(CPrintCanvas& canvas, int left, int top) {
    CPrintBoxedLines lines(canvas, left, top);
    lines.Line({{kLabelEndInW, " "}, {kSkipEndInW, " "}, {kCodeEndInW, " "}});
    for (int index = 0; index < kMemoryCount; ++index) {
        const std::string name = z5map::RecordName(*z5map::Area(z5area::kPager), index);
        const CNode* memory = CNode::ResolvePath(z5map::RecordPath(z5area::kPager, index));
        const std::string skip = index == 0 ? kNoSkip : GetNodeText(memory, z5leaf::kSkip);
        lines.Line({{kLabelEndInW, name},
                    {kSkipEndInW, skip},
                    {kCodeEndInW, GetNodeText(memory, z5leaf::kCode)}});
    }
}
