// The built module, loaded as far2l loads it, and its entry points.
#pragma once

#include "host/far2l/plugin_api.h"

namespace pickwell::far2l_host {

struct ModuleEntryPoints {
    void (*set_startup_info)(const void*);  // the startup record, in its version's layout
    void (*get_plugin_info)(far2l::PluginInfo*);
    far2l::Handle (*open_plugin)(int open_from, far2l::IntPtr item);
    int (*configure)(int item_number);
};

// Loaded once per process with RTLD_LOCAL | RTLD_LAZY; null members for missing exports.
const ModuleEntryPoints& module();
// Whether the module exports `name`.
bool module_exports(const char* name);

}  // namespace pickwell::far2l_host
