// The files of a text/uri-list.
#include <gtest/gtest.h>

#include "platform/far2l/uri_list.h"

namespace pickwell {
namespace {

TEST(FileUri, LocalPathsAreDecoded) {
    const struct {
        const char* uri;
        std::optional<std::u16string> path;
    } cases[] = {
        {"file:///home/u/a.txt", u"/home/u/a.txt"},
        {"file://localhost/home/u/a.txt", u"/home/u/a.txt"},
        {"FILE://LocalHost/x", u"/x"},
        {"file:/home/u/a.txt", u"/home/u/a.txt"},
        {"file:///tmp/report%202026.pdf", u"/tmp/report 2026.pdf"},
        {"file:///tmp/Stra%C3%9Fe.txt", u"/tmp/Stra\u00DFe.txt"},
        {"file:///tmp/%e2%82%ac", u"/tmp/\u20AC"},
        {"file:///tmp/%23%3F", u"/tmp/#?"},
        // Refused: another scheme or host, no path, bad escapes, NUL, not UTF-8, query or
        // fragment.
        {"http://example.com/a.txt", std::nullopt},
        {"file://server/share/a.txt", std::nullopt},
        {"file://localhost", std::nullopt},
        {"file:relative/a.txt", std::nullopt},
        {"file:///tmp/a%2", std::nullopt},
        {"file:///tmp/a%zz", std::nullopt},
        {"file:///tmp/a%00b", std::nullopt},
        {"file:///tmp/%C3", std::nullopt},
        {"file:///tmp/%ED%A0%80", std::nullopt},
        {"file:///tmp/a?b", std::nullopt},
        {"file:///tmp/a#b", std::nullopt},
        {"files:///tmp/a", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(path_of_file_uri(c.uri), c.path) << c.uri;
    }
}

TEST(UriList, KeepsTheFilesInOrderAndSkipsEverythingElse) {
    const std::string list =
        "# copied by a file manager\r\n"
        "file:///home/u/one.txt\r\n"
        "\r\n"
        "https://example.com/two.txt\r\n"
        "file:///home/u/bad%zz\n"
        "   \n"
        "file:///home/u/three%20.txt\n"
        "file:///home/u/four.txt";  // no line end
    EXPECT_EQ(paths_from_uri_list(list),
              (std::vector<std::u16string>{u"/home/u/one.txt", u"/home/u/three .txt",
                                           u"/home/u/four.txt"}));
}

TEST(UriList, EndsAtTheFirstNulByte) {
    using namespace std::string_literals;
    const std::string list = "file:///a\nfile:///b\0file:///c\n"s;
    EXPECT_EQ(paths_from_uri_list(list), (std::vector<std::u16string>{u"/a", u"/b"}));
    EXPECT_EQ(paths_from_uri_list(""), std::vector<std::u16string>{});
}

}  // namespace
}  // namespace pickwell
