// The local files of a text/uri-list, as desktop file managers put copied files on the
// clipboard: one URI a line, CRLF or LF, `#` lines are comments.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pickwell {

// The path a `file:` URI names on this machine (`file:///p`, `file://localhost/p` or
// `file:/p`; the scheme and the host name in any case), percent-decoded and in UTF-16. Nothing
// for another scheme, another host, a query or fragment, a bad escape, an escaped NUL or a path
// that is no UTF-8.
std::optional<std::u16string> path_of_file_uri(std::string_view uri);

// The paths of the list's `file:` URIs in list order; blank lines, comments and every URI
// path_of_file_uri refuses are skipped. The list ends at its first NUL byte, if any.
std::vector<std::u16string> paths_from_uri_list(std::string_view list);

}  // namespace pickwell
