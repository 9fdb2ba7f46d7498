#include "UserSettings.h"

#if CPZ5_QT_SETTINGS
#include "CliSession.h"
#include "platform/QtSettingsStore.h"
#else
#include "platform/MemorySettingsStore.h"
#endif

std::unique_ptr<CSettingsStore> MakeUserSettingsStore() {
#if CPZ5_QT_SETTINGS
    auto store = std::make_unique<CQtSettingsStore>();
    if (!store->Problem().empty()) {
        CCliSession::Report(store->Problem());
    }
    return store;
#else
    return std::make_unique<CMemorySettingsStore>();
#endif
}
