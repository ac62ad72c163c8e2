// The built Pickwell.dll, loaded as the host loads it, with its four entry points.
#pragma once

#include <string>

#include "host/far2/plugin_api.h"

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
const std::wstring& plugin_path();
void load_plugin(const std::wstring& path);

// A Windows path for a path given in Unix form (Wine maps the root as drive Z:).
std::wstring windows_path(std::wstring path);

}  // namespace wine_test
