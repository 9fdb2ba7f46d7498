// libFuzzer target: any bytes as a channel list. The import must not crash;
// without skipping it either takes every row or changes nothing, and with
// skipping it changes no channel it does not name. What it says of the rows
// holds no control character and no text of the file at length.
//
// The clone manager and the values of its channels are made once: decoding
// the whole image and reading every leaf for each input would cost far more
// than the import. After an input only the channels it wrote are put back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzChecks.h"
#include "clone/ModelManager.h"
#include "clone/Z5CloneManager.h"
#include "interchange/ChannelCsv.h"
#include "model/Node.h"
#include "model/RadioDataManager.h"

namespace {

using fuzz::Require;

// The leaves of one channel: values, and the name as text.
struct SChannel {
    std::vector<std::int32_t> values;
    std::string name;
};

CZ5CloneManager& Manager() {
    static CZ5CloneManager* manager = [] {
        auto* made = new CZ5CloneManager;
        made->CreateComponents();
        made->LinkComponents();
        made->GetModelManager()->SetVersion(0, true);
        made->ResetToDefaults();
        return made;
    }();
    return *manager;
}

const std::vector<CNode*>& Channels() {
    static const std::vector<CNode*> channels =
        Manager().GetRadioData()->GetRoot()->GetChild("MCH")->GetChildren();
    return channels;
}

CNode& NameOf(std::size_t location) {
    static const std::vector<CNode*> names = [] {
        std::vector<CNode*> found;
        for (const CNode* channel : Channels()) {
            found.push_back(channel->GetChild("Name"));
        }
        return found;
    }();
    return *names[location];
}

const std::vector<SChannel>& Factory() {
    static const std::vector<SChannel> factory = [] {
        std::vector<SChannel> made;
        for (std::size_t location = 0; location < Channels().size(); ++location) {
            SChannel values;
            for (const CNode* leaf : Channels()[location]->GetChildren()) {
                values.values.push_back(leaf->GetValue());
            }
            values.name = NameOf(location).GetText();
            made.push_back(std::move(values));
        }
        return made;
    }();
    return factory;
}

void Restore(std::size_t location) {
    const std::vector<CNode*>& leaves = Channels()[location]->GetChildren();
    const SChannel& values = Factory()[location];
    for (std::size_t i = 0; i < leaves.size(); ++i) {
        leaves[i]->SetValue(values.values[i]);
    }
    NameOf(location).SetText(values.name);
}

// Compared in place: this runs for every channel of every input.
bool Unchanged(std::size_t location) {
    const std::vector<CNode*>& leaves = Channels()[location]->GetChildren();
    const SChannel& values = Factory()[location];
    for (std::size_t i = 0; i < leaves.size(); ++i) {
        if (leaves[i]->GetValue() != values.values[i]) {
            return false;
        }
    }
    return NameOf(location).GetText() == values.name;
}

// A row's reasons quote each field of it at most once, cut short.
constexpr std::size_t kMostSaid = 65'536;

bool SaidSafely(const std::vector<SCsvProblem>& said) {
    return std::all_of(said.begin(), said.end(), [](const SCsvProblem& problem) {
        return problem.reason.size() < kMostSaid &&
               std::none_of(problem.reason.begin(), problem.reason.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    });
}

bool Named(const SChannelCsvImport& result, std::size_t location) {
    for (int imported : result.imported) {
        if (static_cast<std::size_t>(imported) == location) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Factory();
    for (CChannelCsv::EBadRows badRows :
         {CChannelCsv::EBadRows::kRefuseAll, CChannelCsv::EBadRows::kSkip}) {
        CChannelCsv channels(Manager());
        channels.SetVersionUnknown(badRows == CChannelCsv::EBadRows::kSkip);
        const SChannelCsvImport result = channels.Import(text, badRows);
        Require(SaidSafely(result.problems) && SaidSafely(result.warnings));
        if (result.status != SChannelCsvImport::EStatus::kImported) {
            Require(!result.problems.empty());
        } else if (badRows == CChannelCsv::EBadRows::kRefuseAll) {
            Require(result.problems.empty());
        }
        for (std::size_t location = 0; location < Channels().size(); ++location) {
            if (Named(result, location)) {
                Restore(location);
            } else {
                Require(Unchanged(location));
            }
        }
    }
    return 0;
}
