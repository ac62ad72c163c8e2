// The selection command, through the plug-in's entry point, against a made-up panel, clipboard
// and settings (see command_scenario.h). Besides running clean under the sanitizers, every run
// must leave the clipboard closed and no settings key open, create no key, make exactly the host
// calls of expected_calls (in particular: only select, only inside the panel) and so select what
// comparing every name with every item selects.
#include <cstdint>

#include "command_expectations.h"
#include "command_scenario.h"
#include "host/far2/plugin.h"
#include "platform/memory/clipboard.h"
#include "require.h"

namespace {

using namespace pickwell;
using namespace pickwell::fuzzing;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const CommandScenario scenario = CommandScenario::fuzzed(in);

    testing::FakeHost host;
    host.panel_type = scenario.panel_type;
    host.plugin_panel = scenario.plugin_panel;
    host.items = scenario.items;
    host.items_number = scenario.items_number;
    MemoryClipboard clipboard;
    scenario.fill(clipboard);
    MemoryRegistry registry;
    scenario.settings.store_in(registry);
    const FuzzedCollation collation(scenario.keys);
    Platform platform{clipboard, registry, collation};
    far2::Plugin plugin(platform);
    const far2::PluginStartupInfo info = host.startup_info(kRootKey);
    plugin.set_startup_info(&info);

    require(plugin.open_plugin() == far2::kInvalidHandle, "no plug-in panel is ever opened");

    require(clipboard.open_count() == 0, "the clipboard is closed");
    require(registry.open_keys() == 0, "every settings key is released");
    require(registry.has_key(kSettingsPath) == scenario.settings.key_exists,
            "the command creates no settings key");
    require(host.violations.empty(), "the host is only called as its interface allows");
    const bool file_panel = scenario.panel_type == far2::PTYPE_FILEPANEL;
    require(clipboard.times_opened() == (file_panel && !scenario.clipboard_held ? 1 : 0),
            "the clipboard is opened once, and only for a file panel");

    std::vector<testing::HostCall> calls = host.calls;
    require(!calls.empty(), "the command asks for the panel first");
    calls.front().param2 = 0;
    require(calls == expected_calls(scenario, expected_names(scenario), collation),
            "the host calls come in order and select what the plain rule selects");
    return 0;
}
