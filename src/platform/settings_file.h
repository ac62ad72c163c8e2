// Whole-file reads and atomic replacement of a settings file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pickwell {

struct FileContents {
    enum class State { Missing, Read, Unreadable } state;
    std::string bytes;  // when Read
};

// Files larger than this are no settings file of ours: they read as unreadable.
inline constexpr std::size_t kLargestSettingsFile = 16 * 1024 * 1024;

FileContents read_settings_file(const std::string& path);

// Writes `contents` to a new file beside `path` and renames it over `path`, creating the
// folders above it first; false, with `path` as it was, when any step fails.
[[nodiscard]] bool replace_settings_file(const std::string& path, std::string_view contents);

}  // namespace pickwell
