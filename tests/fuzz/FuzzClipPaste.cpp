// libFuzzer target: any bytes as what a paste reads from the clipboard. The
// first byte chooses the form: a block of records, or text (CSV rows); the
// second how many rows fit. Decoding and checking must not crash; a block
// is taken only as whole records; the good text rows stay within the rows
// that fit, and writing them onto the program scan edges leaves every
// other channel as it was. What the check says of the rows holds no control
// character and no text of the paste at length.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzChecks.h"
#include "interchange/ChannelClipRecord.h"
#include "interchange/ChannelClipText.h"
#include "model/Node.h"

namespace {

using fuzz::Require;

CNode* Area(const char* name) {
    return fuzz::RadioMap().GetRoot()->GetChild(name);
}

// The leaves of the channels a paste onto the scan edges must not touch.
std::vector<std::string> OtherTexts() {
    return fuzz::LeafTexts({Area("MCH")->GetChild("CH0"), Area("MCH")->GetChild("CH99"),
                            Area("CCH")->GetChild("CH0")});
}

// A row's reasons quote each field of it at most once, cut short.
constexpr std::size_t kMostSaid = 65'536;

bool SaidSafely(const std::string& said) {
    return said.size() < kMostSaid && std::none_of(said.begin(), said.end(), [](char c) {
               return static_cast<unsigned char>(c) < 0x20;
           });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const bool block = data[0] % 2 == 0;
    const int fit = data[1] % 8;  // the scan edges have 6 rows
    const std::span<const std::uint8_t> rest(data + 2, size - 2);
    if (block) {
        const auto records = ChannelClipRecord::DecodeBlock(rest);
        Require(!records || records->size() * ChannelClipRecord::kSize == rest.size());
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(rest.data()), rest.size());
    ChannelClipText::MightBeChannels(text);
    CNode& edges = *Area("PCH");
    const SChannelClipTextRead read =
        ChannelClipText::Read(text, ChannelCsvColumns::LimitsOf(edges, data[1] % 5, false), fit);
    Require(!read.refused || (read.rows.empty() && !read.problems.empty()));
    for (const SCsvProblem& problem : read.problems) {
        Require(SaidSafely(problem.reason));
    }
    const std::vector<std::string> others = OtherTexts();
    for (const SChannelClipRow& row : read.rows) {
        Require(row.offset >= 0 && row.offset < fit);
        for (const std::string& warning : row.plan.warnings) {
            Require(SaidSafely(warning));
        }
        if (row.offset < static_cast<int>(edges.GetChildren().size())) {
            ChannelClipText::WriteRow(row, *edges.GetChildren()[row.offset], false);
        }
    }
    Require(OtherTexts() == others);
    return 0;
}
