#include "platform/Translation.h"

#include <atomic>

namespace {

std::atomic<CTranslation::Lookup> g_lookup{nullptr};

}  // namespace

void CTranslation::Install(Lookup lookup) {
    g_lookup.store(lookup);
}

std::string CTranslation::Tr(const char* context, const char* source) {
    const Lookup lookup = g_lookup.load();
    if (lookup == nullptr || source == nullptr) {
        return source == nullptr ? std::string() : std::string(source);
    }
    std::string text = lookup(context, source);
    return text.empty() ? std::string(source) : text;
}

std::string CTranslation::Args(std::string text,
                               std::initializer_list<std::string_view> arguments) {
    // One pass from the left, so that an argument holding "%2" is not
    // replaced again.
    std::string result;
    result.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        const size_t index = static_cast<size_t>(next - '1');
        if (text[at] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
            result += *(arguments.begin() + index);
            ++at;
        } else {
            result += text[at];
        }
    }
    return result;
}
