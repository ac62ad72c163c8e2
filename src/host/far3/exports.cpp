// The five entry points Far 3 looks up by name. Each is one guarded call into the module:
// nothing may unwind into the host.
#include "host/entry_point.h"
#include "host/far3/plugin.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/collation.h"

namespace {

namespace far3 = pickwell::far3;
using pickwell::guarded;

far3::Plugin& plugin() {
    static pickwell::Win32Clipboard clipboard;
    static const pickwell::Win32Collation collation;
    static far3::Plugin instance(clipboard, collation);
    return instance;
}

}  // namespace

extern "C" {

void GetGlobalInfoW(far3::GlobalInfo* info) noexcept {
    guarded(0, [&] {
        far3::describe_module(info);
        return 0;
    });
}

void SetStartupInfoW(const far3::PluginStartupInfo* info) noexcept {
    guarded(0, [&] {
        plugin().set_startup_info(info);
        return 0;
    });
}

void GetPluginInfoW(far3::PluginInfo* info) noexcept {
    guarded(0, [&] {
        plugin().get_plugin_info(info);
        return 0;
    });
}

far3::Handle OpenW(const far3::OpenInfo* info) noexcept {
    return guarded<far3::Handle>(nullptr, [&] { return plugin().open(info); });
}

far3::IntPtr ConfigureW(const far3::ConfigureInfo* info) noexcept {
    return guarded(far3::kFalse, [&] { return plugin().configure(info); });
}

}  // extern "C"
