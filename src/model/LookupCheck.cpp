#include "model/LookupCheck.h"

#include <cstdio>
#include <cstdlib>

namespace {

#if defined(CPZ5_CHECKED_NAMES) || !defined(NDEBUG)
constexpr bool kFatal = true;
#else
constexpr bool kFatal = false;
#endif

void DefaultHandler(std::string_view kind, std::string_view name) {
    if (kFatal) {
        std::fprintf(stderr, "unknown %.*s name \"%.*s\"\n", static_cast<int>(kind.size()),
                     kind.data(), static_cast<int>(name.size()), name.data());
        std::abort();
    }
}

UnknownNameHandler g_handler = DefaultHandler;

}  // namespace

void ReportUnknownName(std::string_view kind, std::string_view name) {
    g_handler(kind, name);
}

UnknownNameHandler SetUnknownNameHandler(UnknownNameHandler handler) {
    const UnknownNameHandler previous = g_handler;
    g_handler = handler != nullptr ? handler : DefaultHandler;
    return previous;
}

bool UnknownNamesAreFatal() {
    return kFatal;
}
