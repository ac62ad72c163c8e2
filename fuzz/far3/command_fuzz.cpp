// The Far 3 module's command, through its entry point, against a made-up panel, clipboard and
// settings store (see command_scenario.h). Besides running clean under the sanitizers,
// every run must leave the clipboard closed and no settings handle open, write nothing to the
// store, make exactly the host calls of far3_expected_calls (in particular: only select, only
// inside the panel) and so select what comparing every name with every item selects; a macro
// gets the number of items marked, or false when the command could not run.
#include <cstdint>

#include "command_expectations.h"
#include "host/far3/guids.h"
#include "host/far3/plugin.h"
#include "platform/memory/clipboard.h"
#include "require.h"

namespace {

using namespace pickwell;
using namespace pickwell::fuzzing;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const Far3CommandScenario scenario = Far3CommandScenario::fuzzed(in);

    testing::FakeFar3Host host;
    host.plugin_guid = far3::kPluginGuid;
    host.panel_type = scenario.common.panel_type;
    host.panel_flags = scenario.panel_flags;
    host.panel_info_fails = scenario.panel_info_fails;
    host.items = scenario.common.items;
    host.items_number = scenario.items_number;
    host.growing_items = scenario.growing_items;
    host.settings = scenario.settings;
    host.settings_create_fails = scenario.settings_create_fails;
    MemoryClipboard clipboard;
    scenario.common.fill(clipboard);
    const FuzzedCollation collation(scenario.common.keys);
    far3::Plugin plugin(clipboard, collation);
    const far3::PluginStartupInfo info = host.startup_info();
    plugin.set_startup_info(&info);

    const far3::OpenInfo open{sizeof open,
                              scenario.from_macro ? far3::OPEN_FROMMACRO : far3::OPEN_PLUGINSMENU,
                              &far3::kMenuGuid, 0, nullptr};
    const far3::Handle result = plugin.open(&open);
    const std::optional<std::int64_t> marked =
        scenario.from_macro ? testing::macro_integer(result) : std::nullopt;
    require(scenario.from_macro || result == nullptr, "no panel is ever opened");

    require(clipboard.open_count() == 0, "the clipboard is closed");
    require(host.open_settings == 0, "every settings handle is freed");
    require(host.settings == scenario.settings, "the command writes no setting");
    require(host.violations.empty(), "the host is only called as its interface allows");
    require(clipboard.times_opened() == (scenario.runs() ? 1 : 0),
            "the clipboard is opened once, and only when the panel allows it");
    require(host.calls == far3_expected_calls(scenario, collation),
            "the host calls come in order and select what the plain rule selects");
    if (scenario.from_macro) {
        const auto selected = static_cast<std::int64_t>(host.selected_indices().size());
        require(marked == (scenario.runs() ? std::optional(selected) : std::nullopt),
                "a macro gets the number of items marked, or false when nothing ran");
    }
    return 0;
}
