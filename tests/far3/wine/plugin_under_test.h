// The built Far 3 Pickwell.dll, loaded as the host loads it, with its five entry points.
#pragma once

#include <string>

#include "host/far3/plugin_api.h"
#include "windows/loaded_module.h"

namespace wine_test {

namespace far3 = pickwell::far3;

struct Far3Exports {
    void (*GetGlobalInfoW)(far3::GlobalInfo*);
    void (*SetStartupInfoW)(const far3::PluginStartupInfo*);
    void (*GetPluginInfoW)(far3::PluginInfo*);
    far3::Handle (*OpenW)(const far3::OpenInfo*);
    far3::IntPtr (*ConfigureW)(const far3::ConfigureInfo*);
};

const Far3Exports& far3_plugin();
void load_far3_plugin(const std::wstring& path);

}  // namespace wine_test
