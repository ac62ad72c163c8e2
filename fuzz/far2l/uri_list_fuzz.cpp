// The text/uri-list reader, any bytes. Whatever the list holds:
// - every path it returns is absolute, holds no NUL and is valid UTF-16;
// - a path written back as a file URI, every byte escaped, reads back as the same path, so
//   decoding loses nothing and adds nothing.
//
// Input: the list's bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/far2l/uri_list.h"
#include "platform/far2l/utf8_text.h"
#include "require.h"

namespace {

using pickwell::fuzzing::require;

std::string escaped_uri(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '/') {
            uri.push_back('/');
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 15];
        }
    }
    return uri;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view list(reinterpret_cast<const char*>(data), size);
    for (const std::u16string& path : pickwell::paths_from_uri_list(list)) {
        require(!path.empty() && path.front() == u'/', "a path that is not absolute");
        require(path.find(u'\0') == std::u16string::npos, "a path with a NUL");
        const std::string utf8 = pickwell::utf8_from_utf16(path);
        require(pickwell::utf16_from_utf8(utf8) == path, "a path that is no valid UTF-16");
        require(pickwell::path_of_file_uri(escaped_uri(utf8)) == path,
                "a path that does not read back from its own URI");
    }
    return 0;
}
