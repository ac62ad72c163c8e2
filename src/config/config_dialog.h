// The configuration dialog: shows the three settings and stores them when closed with OK.
#pragma once

#include "host/host_context.h"
#include "host/settings.h"
#include "platform/registry.h"

namespace pickwell {

// TRUE when the dialog was closed with OK; FALSE for any item number but 0, a dialog the host
// cannot create, or any other way of closing it.
int run_config_dialog(int item_number, const HostContext& host, Registry& registry,
                      const SettingsKeyPath& settings_path);

}  // namespace pickwell
