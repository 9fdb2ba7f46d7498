#include "UserSettings.h"

#if CPZ5_QT_SETTINGS
#include "platform/QtSettingsStore.h"
#else
#include "platform/MemorySettingsStore.h"
#endif

std::unique_ptr<CSettingsStore> MakeUserSettingsStore() {
#if CPZ5_QT_SETTINGS
    return std::make_unique<CQtSettingsStore>();
#else
    return std::make_unique<CMemorySettingsStore>();
#endif
}
