// One test's Far 3 host: the fake service table and settings store handed to the loaded DLL, as
// the host starts a module: who it is, its startup record, its menus.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "plugin_under_test.h"
#include "support/far3/fake_host.h"
#include "windows/command_session.h"
#include "windows/harness.h"
#include "windows/open_handle_counter.h"
#include "windows/real_clipboard.h"

namespace wine_test {

class Far3Session final : public CommandSession {
  public:
    Far3Session() {
        // The host's clipboard writer puts plain text on the system's clipboard, where the
        // module's next command reads it.
        host.clipboard_writer = [](std::u16string_view text) {
            return put_on_clipboard({text_block(text)});
        };
        start();
    }

    void start() {
        far3::GlobalInfo global{};
        global.StructSize = sizeof global;
        far3_plugin().GetGlobalInfoW(&global);
        host.plugin_guid = global.Guid;
        const far3::PluginStartupInfo info = host.startup_info();
        far3_plugin().SetStartupInfoW(&info);
        far3::PluginInfo menus{};
        menus.StructSize = sizeof menus;
        far3_plugin().GetPluginInfoW(&menus);
        if (menus.PluginMenu.Count == 2 && menus.PluginConfig.Count == 1) {
            menu_guid = menus.PluginMenu.Guids[0];
            report_guid = menus.PluginMenu.Guids[1];
            config_guid = menus.PluginConfig.Guids[0];
        }
    }

    void panel(std::initializer_list<std::u16string> names) {
        for (const auto& name : names) {
            host.items.push_back({name, std::nullopt, std::nullopt, false});
        }
    }

    // OpenW as the host calls it for a menu entry (the first by default) or a macro.
    far3::Handle open(int open_from, const far3::Uuid* item = nullptr, far3::IntPtr data = 0) {
        host.calls.clear();
        const far3::OpenInfo info{sizeof info, open_from, item != nullptr ? item : &menu_guid, data,
                                  nullptr};
        const far3::Handle result = far3_plugin().OpenW(&info);
        CHECK_EQ(host.violations, std::vector<std::string>{});
        return result;
    }
    far3::IntPtr configure() {
        host.calls.clear();
        const far3::ConfigureInfo info{sizeof info, &config_guid, nullptr};
        const far3::IntPtr result = far3_plugin().ConfigureW(&info);
        CHECK_EQ(host.violations, std::vector<std::string>{});
        CHECK_EQ(host.open_dialogs, 0);
        CHECK_EQ(host.open_settings, 0);
        return result;
    }

    std::vector<int> run_command() override {
        CHECK(open(far3::OPEN_PLUGINSMENU) == nullptr);
        return host.selections();
    }
    std::vector<pickwell::testing::FakeItem>& items() override { return host.items; }
    void set_plugin_panel(bool plugin) override {
        host.panel_flags = plugin ? far3::PFLAGS_PLUGIN : 0;
    }
    void store_case_sensitive(std::uint32_t value) override {
        host.settings[u"CaseSensitive"] = pickwell::testing::qword_setting(value);
    }
    bool redrew_the_panel() const override {
        const auto commands = host.panel_commands();
        return !commands.empty() && commands.back() == far3::FCTL_REDRAWPANEL;
    }
    std::size_t item_requests() const override {
        const auto commands = host.panel_commands();
        return static_cast<std::size_t>(
            std::count(commands.begin(), commands.end(), far3::FCTL_GETPANELITEM));
    }
    bool count_open_handles() override { return wine_test::count_open_handles(false); }
    bool left_nothing_open() const override {
        return open_handles().clipboard == 0 && host.open_settings == 0 && host.open_dialogs == 0;
    }

    pickwell::testing::FakeFar3Host host;
    far3::Uuid menu_guid{};
    far3::Uuid report_guid{};
    far3::Uuid config_guid{};
};

}  // namespace wine_test
