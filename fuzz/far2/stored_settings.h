// Settings values as the registry may hold them, whatever wrote them, and what the module must
// make of them: the reading rules restated on their own, for the fuzz targets to check against.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <optional>
#include <string>

#include "platform/memory/registry.h"

namespace pickwell::fuzzing {

inline constexpr const char16_t* kRootKey = u"Software\\Host\\Plugins";
inline constexpr const char16_t* kSettingsPath = u"Software\\Host\\Plugins\\Zentro\\Pickwell";

struct StoredSettings {
    bool key_exists = false;
    std::optional<StoredValue> separators, case_sensitive, trim_spaces;

    static StoredSettings fuzzed(FuzzedDataProvider& in);
    void store_in(MemoryRegistry& registry) const;
};

// A flag: the first four bytes of a value of at most eight, zero-padded; else the fallback.
int flag_as_read(const std::optional<StoredValue>& value, int fallback);
// The command's read of the separators: the whole value but its last code unit; an odd size
// fails the second query and gives the empty default.
std::u16string separators_as_read(const std::optional<StoredValue>& value);
// The dialog's read: one query into 256 zeroed units, empty when the value does not fit, the
// text ending at its first NUL and never after the 255th unit.
std::u16string dialog_separators_as_read(const std::optional<StoredValue>& value);

bool same_value(const std::optional<StoredValue>& a, const std::optional<StoredValue>& b);

}  // namespace pickwell::fuzzing
