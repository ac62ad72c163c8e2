// The four entry points far2l looks up by name, the only symbols the module shows. Each is one
// guarded call into the module: nothing may unwind into the host.
#include "host/entry_point.h"
#include "host/far2l/plugin.h"
#include "platform/far2l/collation.h"
#include "platform/far2l/host_clipboard.h"
#include "platform/far2l/profile_location.h"

#define PICKWELL_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using pickwell::guarded;

namespace far2l = pickwell::far2l;

far2l::Plugin& plugin() {
    static pickwell::HostWinPortClipboard clipboard;
    static const pickwell::Far2lCollation collation;
    static far2l::Plugin instance(
        {clipboard, collation,
         [] { return pickwell::settings_file(pickwell::current_profile_environment()); }});
    return instance;
}

}  // namespace

// The startup record's layout depends on the host's version: the module finds it out.
PICKWELL_EXPORT void SetStartupInfoW(const void* info) noexcept {
    guarded(0, [&] {
        plugin().set_startup_info(info);
        return 0;
    });
}

PICKWELL_EXPORT void GetPluginInfoW(far2l::PluginInfo* info) noexcept {
    guarded(0, [&] {
        plugin().get_plugin_info(info);
        return 0;
    });
}

PICKWELL_EXPORT far2l::Handle OpenPluginW(int /*open_from*/, far2l::IntPtr item) noexcept {
    return guarded(far2l::kInvalidHandle, [&] { return plugin().open_plugin(item); });
}

PICKWELL_EXPORT int ConfigureW(int item_number) noexcept {
    return guarded(far2l::kFalse, [&] { return plugin().configure(item_number); });
}
