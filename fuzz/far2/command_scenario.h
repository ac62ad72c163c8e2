// One run of the selection command as the fuzzer makes it up: the active panel, the clipboard,
// the stored settings and the system's comparison.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <optional>
#include <vector>

#include "fuzzed_collation.h"
#include "platform/memory/clipboard.h"
#include "stored_settings.h"
#include "support/far2/fake_host.h"

namespace pickwell::fuzzing {

struct CommandScenario {
    int panel_type = far2::PTYPE_FILEPANEL;
    int plugin_panel = 0;
    int items_number = 0;  // never more than there are items; may be negative
    std::vector<testing::FakeItem> items;

    bool clipboard_held = false;
    std::optional<std::vector<std::byte>> text_block;
    std::optional<std::vector<std::byte>> drop_block;

    StoredSettings settings;
    KeyQuality keys = KeyQuality::Exact;

    static CommandScenario fuzzed(FuzzedDataProvider& in);
    // Puts the scenario's blocks on `clipboard` and lets another program hold it if it says so.
    void fill(MemoryClipboard& clipboard) const;

    // The names the host puts into an item's buffer. A host that reports less room than its
    // record needs writes only what fits, and then no name: the fake host writes no pointer it
    // would cut in half, so sizes that would cut one are not made up.
    static bool delivers_names(const testing::FakeItem& item);
};

}  // namespace pickwell::fuzzing
