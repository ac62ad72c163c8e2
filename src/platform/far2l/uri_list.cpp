#include "platform/far2l/uri_list.h"

#include "platform/far2l/utf8_text.h"

namespace pickwell {
namespace {

char lower_ascii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Compares `text` with the lower-case ASCII `lower`, ignoring the case of `text`.
bool equals_ignoring_case(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (lower_ascii(text[i]) != lower[i]) {
            return false;
        }
    }
    return true;
}

std::optional<int> hex_digit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = lower_ascii(c);
    if (lower >= 'a' && lower <= 'f') {
        return lower - 'a' + 10;
    }
    return std::nullopt;
}

// The bytes `%XX` escapes stand for; nothing for a bad escape or an escaped NUL.
std::optional<std::string> percent_decoded(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '%') {
            bytes.push_back(text[at]);
            continue;
        }
        if (text.size() - at < 3) {
            return std::nullopt;
        }
        const auto high = hex_digit(text[at + 1]);
        const auto low = hex_digit(text[at + 2]);
        if (!high || !low || (*high == 0 && *low == 0)) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(*high << 4 | *low));
        at += 2;
    }
    return bytes;
}

// The path part of what follows `file:`: after `//localhost` or `//`, or the whole rest when it
// starts with a single slash.
std::optional<std::string_view> local_path_part(std::string_view rest) {
    if (!rest.starts_with("//")) {
        return rest.starts_with('/') ? std::optional(rest) : std::nullopt;
    }
    rest.remove_prefix(2);
    const std::size_t slash = rest.find('/');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view host = rest.substr(0, slash);
    if (!host.empty() && !equals_ignoring_case(host, "localhost")) {
        return std::nullopt;
    }
    return rest.substr(slash);
}

std::string_view trimmed(std::string_view line) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!line.empty() && blank(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && blank(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace

std::optional<std::u16string> path_of_file_uri(std::string_view uri) {
    constexpr std::string_view kScheme = "file:";
    if (uri.size() < kScheme.size() ||
        !equals_ignoring_case(uri.substr(0, kScheme.size()), kScheme)) {
        return std::nullopt;
    }
    // A raw `?` or `#` starts a query or a fragment, which no local file has; a name holding
    // one comes escaped.
    if (uri.find_first_of("?#") != std::string_view::npos) {
        return std::nullopt;
    }
    const auto path = local_path_part(uri.substr(kScheme.size()));
    if (!path) {
        return std::nullopt;
    }
    const auto bytes = percent_decoded(*path);
    if (!bytes) {
        return std::nullopt;
    }
    return utf16_from_utf8(*bytes);
}

std::vector<std::u16string> paths_from_uri_list(std::string_view list) {
    list = list.substr(0, list.find('\0'));
    std::vector<std::u16string> paths;
    while (!list.empty()) {
        const std::size_t end = list.find('\n');
        const std::string_view line = trimmed(list.substr(0, end));
        list.remove_prefix(end == std::string_view::npos ? list.size() : end + 1);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (auto path = path_of_file_uri(line)) {
            paths.push_back(std::move(*path));
        }
    }
    return paths;
}

}  // namespace pickwell
