// Counts the clipboard sessions, registry keys and heap blocks the loaded Pickwell.dll opens and
// closes, by routing its imports of those functions through counting wrappers.
#pragma once

namespace wine_test {

struct OpenHandles {
    int keys = 0;       // opened (or created) and not yet closed
    int clipboard = 0;  // OpenClipboard calls that succeeded and were not yet closed
    int keys_ever = 0;  // opened or created so far: shows that the counting works
    // Allocated and not yet freed since the counting began: blocks the module had before may
    // make it negative.
    long long heap_blocks = 0;
};

// Reroutes the imports of the loaded DLL once: the clipboard's always, the registry's when
// `registry` says so; false when one of them was not found.
bool count_open_handles(bool registry);
// Reroutes the loaded DLL's imports of malloc, calloc, realloc and free once; false when one of
// them was not found.
bool count_heap_blocks();
const OpenHandles& open_handles();

}  // namespace wine_test
