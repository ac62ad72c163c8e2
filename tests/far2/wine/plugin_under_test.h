// The built Far 2 Pickwell.dll, loaded as the host loads it, with its four entry points.
#pragma once

#include <string>

#include "host/far2/plugin_api.h"
#include "windows/loaded_module.h"

namespace wine_test {

namespace far2 = pickwell::far2;

struct PluginExports {
    void (*SetStartupInfoW)(const far2::PluginStartupInfo*);
    void (*GetPluginInfoW)(far2::PluginInfo*);
    far2::Handle (*OpenPluginW)(int, far2::IntPtr);
    int (*ConfigureW)(int);
};

// Loaded once per run, from the path given on the command line or next to this program.
const PluginExports& plugin();
void load_plugin(const std::wstring& path);

}  // namespace wine_test
