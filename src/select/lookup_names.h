// What each name of a list is looked up by: a text name that is a full path by its file name, as
// a copied file is; any other name by itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include "platform/full_path.h"
#include "select/name_list.h"

namespace pickwell {

// How a list's names are read as paths: the character that ends a folder, and the root that makes
// a name a full path; without a root, no name is one.
struct PathSyntax {
    char16_t separator;
    FullPathRoot full_path_root = nullptr;
};

// A full path is looked up by its part after the last separator, or by its last folder name
// when it ends in a separator (`C:\dir\`). A root alone, and a path whose last part is `.` or
// `..`, are looked up whole: no such path names a folder's own entries.
class LookupNames {
  public:
    // Where a looked-up text lies outside the list's buffer.
    static constexpr std::size_t kKeptApart = std::numeric_limits<std::size_t>::max();

    // `names` must outlive this. Only the names that hold a separator are read for a root.
    LookupNames(const NameList& names, PathSyntax syntax);

    // The text name `index` is looked up by, followed by a NUL.
    std::u16string_view operator[](std::size_t index) const {
        return by_parts_ ? parts_[index].text : names_[index];
    }
    // Where that text starts in the list's buffer, or kKeptApart: a last folder name is followed
    // there by its separator, so it is kept apart.
    std::size_t start_of(std::size_t index) const {
        return by_parts_ ? parts_[index].start : names_.start_of(index);
    }
    // Whether the name is looked up by a part of it.
    bool by_part(std::size_t index) const {
        return by_parts_ && parts_[index].text.size() != names_[index].size();
    }
    // Whether that text holds a separator: it is then compared with an item's whole name, any
    // other with the item's leaf.
    bool has_separator(std::size_t index) const {
        return (has_separator_[index / 64] >> index % 64 & 1) != 0;
    }
    std::size_t with_separator() const { return with_separator_; }

  private:
    struct Part {
        std::u16string_view text;
        std::size_t start;
    };

    const NameList& names_;
    std::vector<std::uint64_t> has_separator_;  // a bit per name
    std::size_t with_separator_ = 0;
    bool by_parts_ = false;    // whether some name is looked up by a part, and so parts_ is filled
    std::vector<Part> parts_;  // one per name
    NameList kept_apart_;
};

}  // namespace pickwell
