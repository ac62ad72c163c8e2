// The Far 3 module's face to the host: who it says it is, its menu entries under their fixed
// identities, how it takes its startup record, and its version record.
#include <cstring>
#include <memory>

#include "host_session.h"
#include "windows/command_checks.h"
#include "windows/real_clipboard.h"

namespace wine_test {
namespace {

// The identities the README gives; they may never change.
constexpr far3::Uuid kPluginGuid = {
    0xF8A02F45, 0xF3FE, 0x43AD, {0x8B, 0x36, 0x39, 0xE7, 0x29, 0x0B, 0xEB, 0x13}};
constexpr far3::Uuid kMenuGuid = {
    0x04E57589, 0x4672, 0x414F, {0xAA, 0x59, 0xDE, 0xEC, 0x05, 0xF0, 0x96, 0x14}};
constexpr far3::Uuid kReportMenuGuid = {
    0x0F3ECF28, 0xD30E, 0x48DE, {0xB2, 0x53, 0x63, 0x2A, 0x55, 0xA1, 0xE5, 0x73}};
constexpr far3::Uuid kConfigGuid = {
    0x7FBDF09D, 0x25DA, 0x438B, {0x96, 0xEA, 0xE7, 0x61, 0xF6, 0x79, 0xB4, 0x76}};

constexpr std::uint8_t kUntouched = 0xA5;

template <typename Pointer>
Pointer untouched_pointer() {
    Pointer pointer;
    std::memset(&pointer, kUntouched, sizeof pointer);
    return pointer;
}

WINE_TEST(module_describes_itself_within_an_older_hosts_record) {
    // A host from before GlobalInfo had Instance: the slot after Author is not the host's.
    far3::GlobalInfo info;
    std::memset(&info, kUntouched, sizeof info);
    info.StructSize = offsetof(far3::GlobalInfo, Instance);
    far3_plugin().GetGlobalInfoW(&info);
    CHECK(info.Instance == untouched_pointer<void*>());
    CHECK_EQ(info.StructSize, offsetof(far3::GlobalInfo, Instance));
    CHECK(info.Guid == kPluginGuid);
    const far3::VersionInfo& minimum = info.MinFarVersion;
    CHECK_EQ((std::vector<far3::Dword>{minimum.Major, minimum.Minor, minimum.Revision,
                                       minimum.Build, minimum.Stage}),
             (std::vector<far3::Dword>{3, 0, 0, 3462, far3::VS_RELEASE}));
    const far3::VersionInfo& version = info.Version;
    CHECK_EQ((std::vector<far3::Dword>{version.Major, version.Minor, version.Revision,
                                       version.Build, version.Stage}),
             (std::vector<far3::Dword>{2, 10, 0, 0, far3::VS_RELEASE}));
    CHECK_EQ(std::u16string(info.Title), std::u16string(u"Pickwell"));
    CHECK_EQ(std::u16string(info.Author), std::u16string(u"Zentro"));
    CHECK(info.Description != nullptr && *info.Description != u'\0');
}

WINE_TEST(module_publishes_its_menu_entries_under_their_own_identities) {
    Far3Session session;
    far3::PluginInfo info;
    std::memset(&info, kUntouched, sizeof info);
    info.StructSize = offsetof(far3::PluginInfo, Instance);
    far3_plugin().GetPluginInfoW(&info);
    CHECK_EQ(info.Flags, far3::Flags64{0});
    CHECK(info.DiskMenu.Count == 0 && info.CommandPrefix == nullptr);
    CHECK(info.Instance == untouched_pointer<void*>());
    CHECK(info.PluginMenu.Count == 2 && info.PluginMenu.Guids[0] == kMenuGuid &&
          info.PluginMenu.Guids[1] == kReportMenuGuid);
    CHECK(info.PluginConfig.Count == 1 && info.PluginConfig.Guids[0] == kConfigGuid);
    CHECK(info.PluginMenu.Strings == info.PluginConfig.Strings &&
          std::u16string_view(info.PluginMenu.Strings[0]) == u"m4");
}

WINE_TEST(module_keeps_its_own_copy_of_a_shorter_startup_record) {
    Far3Session session;
    // A host from before PluginStartupInfo had Instance and FreeScreen, and with the shortest
    // function table: both in buffers of exactly that size, reused once the call returns.
    far3::PluginStartupInfo full = session.host.startup_info();
    constexpr std::size_t kStartupSize = offsetof(far3::PluginStartupInfo, Instance);
    constexpr std::size_t kFunctionsSize = 376;
    session.host.functions.StructSize = kFunctionsSize;
    auto functions = std::make_unique<std::byte[]>(kFunctionsSize);
    std::memcpy(functions.get(), &session.host.functions, kFunctionsSize);
    full.FSF = reinterpret_cast<const far3::FarStandardFunctions*>(functions.get());
    full.StructSize = kStartupSize;
    auto startup = std::make_unique<std::byte[]>(kStartupSize);
    std::memcpy(startup.get(), &full, kStartupSize);
    far3_plugin().SetStartupInfoW(reinterpret_cast<const far3::PluginStartupInfo*>(startup.get()));
    std::memset(startup.get(), 0, kStartupSize);
    std::memset(functions.get(), 0, kFunctionsSize);

    session.panel({u"a.txt"});
    put_on_clipboard({text_block(u"a.txt")});
    CHECK_EQ(session.run_command(), std::vector{1});
}

WINE_TEST(module_does_nothing_without_a_usable_startup_record) {
    Far3Session session;
    session.panel({u"a.txt"});
    put_on_clipboard({text_block(u"a.txt")});
    far3::PluginStartupInfo too_short = session.host.startup_info();
    too_short.StructSize = offsetof(far3::PluginStartupInfo, SettingsControl);
    const far3::OpenInfo menu{sizeof menu, far3::OPEN_PLUGINSMENU, &session.menu_guid, 0, nullptr};
    const far3::OpenInfo macro{sizeof macro, far3::OPEN_FROMMACRO, nullptr, 0, nullptr};
    const far3::ConfigureInfo item{sizeof item, &session.config_guid, nullptr};
    for (const far3::PluginStartupInfo* record :
         {&too_short, static_cast<far3::PluginStartupInfo*>(nullptr)}) {
        far3_plugin().SetStartupInfoW(record);
        session.host.calls.clear();
        CHECK(far3_plugin().OpenW(&menu) == nullptr);
        CHECK(far3_plugin().OpenW(&macro) == nullptr);
        CHECK_EQ(far3_plugin().ConfigureW(&item), far3::kFalse);
        far3::PluginInfo menus{};
        menus.StructSize = sizeof menus;
        far3_plugin().GetPluginInfoW(&menus);
        CHECK_EQ(menus.PluginMenu.Count, std::size_t{0});
        CHECK(session.host.calls.empty());
    }
}

WINE_TEST(module_carries_its_version_record) {
    check_version_record(plugin_path());
}

}  // namespace
}  // namespace wine_test
