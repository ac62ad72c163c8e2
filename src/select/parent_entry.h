// The parent-folder entry: the item `..` at the top of a folder's panel, and how a host treats
// it.
#pragma once

#include <string_view>

namespace pickwell {

enum class ParentEntry {
    // It is compared and selected like any other item.
    LikeAnyItem,
    // The host never selects it: the command neither compares nor counts it, and takes no name
    // `.` or `..`, which name no item but a folder's own entries.
    NeverSelected,
};

// The item the host shows for the parent folder, known by its name alone. Reads no more of the
// C string `file_name` than it needs.
inline bool is_parent_entry(const char16_t* file_name) {
    return file_name[0] == u'.' && file_name[1] == u'.' && file_name[2] == u'\0';
}

// The names a folder's own entries have, itself and its parent.
inline bool names_a_folders_own_entry(std::u16string_view name) {
    return name == u"." || name == u"..";
}

}  // namespace pickwell
