// The configuration dialog: shows the three settings and stores them when closed with OK.
#pragma once

#include "core/dialog_runner.h"
#include "core/messages.h"
#include "core/settings_store.h"

namespace pickwell {

// True when the dialog was closed with OK (the settings were then written, or lost when the
// store cannot take them); false when the host could not show it or it was closed otherwise.
bool run_config_dialog(MessageTexts& texts, SettingsStore& settings, DialogRunner& dialog);

}  // namespace pickwell
