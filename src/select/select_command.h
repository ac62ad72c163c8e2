// The module's command: select on the active file panel every item named on the clipboard.
#pragma once

#include "host/host_context.h"
#include "host/settings.h"
#include "platform/platform.h"

namespace pickwell {

// Always returns the host's INVALID_HANDLE_VALUE: no plug-in panel is ever opened.
host::Handle run_select_command(const HostContext& host, Platform& platform,
                                const SettingsKeyPath& settings_path);

}  // namespace pickwell
