// The module's face to the host: its menu entry and its version record.
#include <windows.h>

#include "host_session.h"
#include "windows/command_checks.h"

namespace wine_test {
namespace {

WINE_TEST(module_publishes_one_entry_in_both_menus) {
    HostSession session("menus");
    far2::PluginInfo info{};
    plugin().GetPluginInfoW(&info);
    CHECK_EQ(info.StructSize, 80);
    CHECK_EQ(info.PluginMenuStringsNumber, 1);
    CHECK_EQ(info.PluginConfigStringsNumber, 1);
    CHECK(info.PluginMenuStrings == info.PluginConfigStrings);
    CHECK(info.PluginMenuStrings != nullptr &&
          std::u16string_view(info.PluginMenuStrings[0]) == u"m4");
    CHECK_EQ(info.Flags, far2::Dword{0});
    CHECK(info.CommandPrefix == nullptr && info.DiskMenuStringsNumber == 0);
}

WINE_TEST(module_carries_its_version_record) {
    check_version_record(plugin_path());
}

}  // namespace
}  // namespace wine_test
