#include "model/ChoiceList.h"

#include <algorithm>

#include "model/Node.h"
#include "model/ValueList.h"

bool FillChoiceList(CNode* parent, std::string_view child, CChoiceList& list, std::int32_t first,
                    std::int32_t last, bool clear) {
    CNode* node = parent != nullptr ? parent->GetChild(child) : nullptr;
    const CValueList* value = node != nullptr ? node->GetValuePart() : nullptr;
    if (value == nullptr) {
        return false;
    }
    const std::int32_t kept = node->GetValue();
    if (clear) {
        list.Clear();
    }
    // Values outside the range would be clamped and repeat the texts of the
    // range's ends.
    const std::int64_t from = std::max(first, value->GetMinimum());
    const std::int64_t to = std::min(last, value->GetMaximum());
    for (std::int64_t v = from; v <= to; ++v) {
        node->SetValue(static_cast<std::int32_t>(v));
        const std::string text = node->GetText();
        if (!text.empty()) {
            list.AddText(text);
        }
    }
    node->SetValue(kept);
    const int index = list.FindTextNoCase(node->GetText());
    if (index >= 0) {
        list.Select(index);
    }
    return true;
}
