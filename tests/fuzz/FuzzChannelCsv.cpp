// libFuzzer target: any bytes as a channel list. The import must not crash,
// and without skipping it either takes every row or changes nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "clone/ChannelCsv.h"
#include "clone/ModelManager.h"
#include "clone/Z5CloneManager.h"
#include "model/Node.h"
#include "model/RadioDataManager.h"

namespace {

CZ5CloneManager& Manager() {
    static CZ5CloneManager* manager = [] {
        auto* made = new CZ5CloneManager;
        made->CreateComponents();
        made->LinkComponents();
        made->GetModelManager()->SetVersion(0, true);
        return made;
    }();
    return *manager;
}

std::vector<std::string> ChannelTexts() {
    std::vector<std::string> texts;
    CNode* area = Manager().GetRadioData()->GetRoot()->GetChild("MCH");
    for (CNode* channel : area->GetChildren()) {
        for (CNode* leaf : channel->GetChildren()) {
            texts.push_back(leaf->GetText());
        }
    }
    return texts;
}

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (CChannelCsv::EBadRows badRows :
         {CChannelCsv::EBadRows::kRefuseAll, CChannelCsv::EBadRows::kSkip}) {
        Manager().ResetToDefaults();
        const std::vector<std::string> before = ChannelTexts();
        const SChannelCsvImport result = CChannelCsv(Manager()).Import(text, badRows);
        if (result.status != SChannelCsvImport::EStatus::kImported) {
            Require(ChannelTexts() == before && !result.problems.empty());
        } else if (badRows == CChannelCsv::EBadRows::kRefuseAll) {
            Require(result.problems.empty());
        }
    }
    return 0;
}
