#include "plugin_under_test.h"

namespace wine_test {
namespace {

PluginExports loaded{};

}  // namespace

void load_plugin(const std::wstring& path) {
    load_module(path);
    loaded.SetStartupInfoW = module_export<decltype(loaded.SetStartupInfoW)>("SetStartupInfoW");
    loaded.GetPluginInfoW = module_export<decltype(loaded.GetPluginInfoW)>("GetPluginInfoW");
    loaded.OpenPluginW = module_export<decltype(loaded.OpenPluginW)>("OpenPluginW");
    loaded.ConfigureW = module_export<decltype(loaded.ConfigureW)>("ConfigureW");
}

const PluginExports& plugin() {
    return loaded;
}

}  // namespace wine_test
