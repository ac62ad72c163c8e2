// The four entry points the host looks up by name. Each is one guarded call into the module:
// nothing may unwind into the host.
#include "host/plugin.h"
#include "platform/win32_platform.h"

namespace {

pickwell::Plugin& plugin() {
    static pickwell::Plugin instance(pickwell::win32_platform());
    return instance;
}

template <typename Result, typename Work>
Result guarded(Result neutral, Work work) noexcept {
    try {
        return work();
    } catch (...) {
        return neutral;
    }
}

}  // namespace

extern "C" {

void SetStartupInfoW(const host::PluginStartupInfo* info) noexcept {
    guarded(0, [&] {
        plugin().set_startup_info(info);
        return 0;
    });
}

void GetPluginInfoW(host::PluginInfo* info) noexcept {
    guarded(0, [&] {
        plugin().get_plugin_info(info);
        return 0;
    });
}

host::Handle OpenPluginW(int /*open_from*/, host::IntPtr /*item*/) noexcept {
    return guarded(host::kInvalidHandle, [] { return plugin().open_plugin(); });
}

int ConfigureW(int item_number) noexcept {
    return guarded(host::kFalse, [&] { return plugin().configure(item_number); });
}

}  // extern "C"
