#include "plugin_under_test.h"

namespace wine_test {
namespace {

Far3Exports loaded{};

}  // namespace

void load_far3_plugin(const std::wstring& path) {
    load_module(path);
    loaded.GetGlobalInfoW = module_export<decltype(loaded.GetGlobalInfoW)>("GetGlobalInfoW");
    loaded.SetStartupInfoW = module_export<decltype(loaded.SetStartupInfoW)>("SetStartupInfoW");
    loaded.GetPluginInfoW = module_export<decltype(loaded.GetPluginInfoW)>("GetPluginInfoW");
    loaded.OpenW = module_export<decltype(loaded.OpenW)>("OpenW");
    loaded.ConfigureW = module_export<decltype(loaded.ConfigureW)>("ConfigureW");
}

const Far3Exports& far3_plugin() {
    return loaded;
}

}  // namespace wine_test
