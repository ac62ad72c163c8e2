#include "platform/posix/full_path.h"

namespace pickwell {

std::size_t posix_full_path_root(std::u16string_view text) {
    return text.starts_with(u'/') ? 1 : 0;
}

}  // namespace pickwell
