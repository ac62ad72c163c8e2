// One run of the Far 3 module's command as the fuzzer makes it up: the panel items, clipboard
// and comparison of the Far 2 scenario, and what only Far 3 has: panel flags, a panel the host
// cannot report, items that grow before they are filled, a macro's call, and the settings in
// the host's own store.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <map>
#include <set>
#include <string>

#include "far2/command_scenario.h"
#include "support/far3/fake_host.h"

namespace pickwell::fuzzing {

struct Far3CommandScenario {
    CommandScenario common;         // its registry settings play no part here
    far3::Flags64 panel_flags = 0;  // PFLAGS_PLUGIN for a plug-in's panel, and any other flags
    bool panel_info_fails = false;
    std::size_t items_number = 0;  // never more than there are items
    std::set<std::size_t> growing_items;
    bool from_macro = false;

    bool settings_create_fails = false;
    std::map<std::u16string, testing::Far3Setting> settings;

    static Far3CommandScenario fuzzed(FuzzedDataProvider& in);

    bool plugin_panel() const { return (panel_flags & far3::PFLAGS_PLUGIN) != 0; }
    // The command gets past the panel and the clipboard.
    bool runs() const {
        return !panel_info_fails && common.panel_type == far3::PTYPE_FILEPANEL &&
               !common.clipboard_held;
    }
};

}  // namespace pickwell::fuzzing
