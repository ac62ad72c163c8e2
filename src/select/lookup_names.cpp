#include "select/lookup_names.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/unit_search.h"

namespace pickwell {
namespace {

// Where a full path's file name stands in it.
struct FilePart {
    std::size_t start;
    std::size_t length;
};

std::optional<FilePart> file_part_of(std::u16string_view name, PathSyntax syntax) {
    const std::size_t root = syntax.full_path_root(name);
    if (root == 0) {
        return std::nullopt;
    }
    std::size_t end = name.size();
    if (end > root && name[end - 1] == syntax.separator) {
        --end;  // a folder, given with its separator
    }
    if (end <= root) {
        return std::nullopt;  // the root alone
    }
    const std::size_t start = name.substr(root, end - root).rfind(syntax.separator) + 1 + root;
    const std::u16string_view part = name.substr(start, end - start);
    if (part.empty() || part == u"." || part == u"..") {
        return std::nullopt;
    }
    return FilePart{start, part.size()};
}

}  // namespace

LookupNames::LookupNames(const NameList& names, PathSyntax syntax)
    : names_(names), has_separator_((names.size() + 63) / 64) {
    std::vector<std::pair<std::size_t, FilePart>> full_paths;
    std::size_t with_separator = 0;
    const std::size_t count = names.size();
    for (std::size_t first = 0; first < count; first += 64) {
        std::uint64_t bits = 0;  // of these 64 names
        for (std::size_t i = first; i < std::min(count, first + 64); ++i) {
            const std::u16string_view name = names[i];
            bool has_separator =
                find_unit(name.data(), name.size(), syntax.separator) != name.size();
            if (has_separator && syntax.full_path_root != nullptr) {
                if (const auto part = file_part_of(name, syntax)) {
                    full_paths.emplace_back(i, *part);
                    has_separator = false;
                }
            }
            with_separator += has_separator ? 1 : 0;
            bits |= std::uint64_t{has_separator} << (i - first);
        }
        has_separator_[first / 64] = bits;
    }
    with_separator_ = with_separator;
    if (full_paths.empty()) {
        return;
    }

    // The copies are all made before any is viewed: the buffer holding them grows no more.
    for (const auto& [index, part] : full_paths) {
        if (part.start + part.length != names[index].size()) {
            kept_apart_.push_back(names[index].substr(part.start, part.length));
        }
    }
    by_parts_ = true;
    parts_.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        parts_.push_back({names[i], names.start_of(i)});
    }
    std::size_t next_kept = 0;
    for (const auto& [index, part] : full_paths) {
        if (part.start + part.length == names[index].size()) {
            parts_[index] = {names[index].substr(part.start), names.start_of(index) + part.start};
        } else {
            parts_[index] = {kept_apart_[next_kept++], kKeptApart};
        }
    }
}

}  // namespace pickwell
