// The four entry points Far 2 looks up by name. Each is one guarded call into the module:
// nothing may unwind into the host.
#include "host/entry_point.h"
#include "host/far2/plugin.h"
#include "platform/win32/platform.h"

namespace {

namespace far2 = pickwell::far2;
using pickwell::guarded;

far2::Plugin& plugin() {
    static far2::Plugin instance(pickwell::win32_platform());
    return instance;
}

}  // namespace

extern "C" {

void SetStartupInfoW(const far2::PluginStartupInfo* info) noexcept {
    guarded(0, [&] {
        plugin().set_startup_info(info);
        return 0;
    });
}

void GetPluginInfoW(far2::PluginInfo* info) noexcept {
    guarded(0, [&] {
        plugin().get_plugin_info(info);
        return 0;
    });
}

far2::Handle OpenPluginW(int /*open_from*/, far2::IntPtr /*item*/) noexcept {
    return guarded(far2::kInvalidHandle, [] { return plugin().open_plugin(); });
}

int ConfigureW(int item_number) noexcept {
    return guarded(far2::kFalse, [&] { return plugin().configure(item_number); });
}

}  // extern "C"
