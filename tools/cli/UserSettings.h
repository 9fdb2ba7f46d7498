// The settings store of cpz5-cli: the user's configuration file
// ($XDG_CONFIG_HOME/Brel/CP-Z5.conf), shared with the desktop program. Built
// without QtCore the tool keeps its settings in memory for the run only. A
// settings file that cannot be used is reported on standard error; the tool
// then runs on the default settings.
#pragma once

#include <memory>

#include "platform/SettingsStore.h"

std::unique_ptr<CSettingsStore> MakeUserSettingsStore();
