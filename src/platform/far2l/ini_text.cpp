#include "platform/far2l/ini_text.h"

#include <algorithm>
#include <vector>

namespace pickwell {
namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (is_blank(text.front()) || text.front() == '\r')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (is_blank(text.back()) || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The lines of `text` without their LF; a last line without one is a line too.
std::vector<std::string_view> lines_of(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

// What a line is: a section header, a key, or neither.
struct Line {
    enum class Kind { Section, Key, Other } kind;
    std::string_view name;   // the section's or the key's
    std::string_view value;  // a key's value as stored
};

Line parse_line(std::string_view raw) {
    const std::string_view line = trimmed(raw);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        return {Line::Kind::Section, trimmed(line.substr(1, line.size() - 2)), {}};
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        return {Line::Kind::Other, {}, {}};
    }
    return {Line::Kind::Key, trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
}

bool needs_quotes(std::string_view value) {
    if (value.empty()) {
        return false;
    }
    return value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos ||
           is_blank(value.front()) || is_blank(value.back()) ||
           (value.size() >= 2 && value.front() == '"' && value.back() == '"') || value == "\"";
}

std::string key_line(const IniValue& value) {
    return std::string(value.key) + "=" + ini_encoded(value.value);
}

}  // namespace

std::string ini_encoded(std::string_view value) {
    if (!needs_quotes(value)) {
        return std::string(value);
    }
    std::string stored = "\"";
    for (const char c : value) {
        switch (c) {
            case '\r':
                stored += "\\r";
                break;
            case '\n':
                stored += "\\n";
                break;
            case '\t':
                stored += "\\t";
                break;
            case '\0':
                stored += "\\0";
                break;
            case '\\':
                stored += "\\\\";
                break;
            default:
                stored.push_back(c);
        }
    }
    return stored + "\"";
}

std::string ini_decoded(std::string_view stored) {
    if (stored.size() < 2 || stored.front() != '"' || stored.back() != '"') {
        return std::string(stored);
    }
    const std::string_view inner = stored.substr(1, stored.size() - 2);
    std::string value;
    for (std::size_t at = 0; at < inner.size(); ++at) {
        if (inner[at] != '\\' || at + 1 == inner.size()) {
            value.push_back(inner[at]);
            continue;
        }
        const char escaped = inner[++at];
        switch (escaped) {
            case 'r':
                value.push_back('\r');
                break;
            case 'n':
                value.push_back('\n');
                break;
            case 't':
                value.push_back('\t');
                break;
            case '0':
                value.push_back('\0');
                break;
            case '\\':
                value.push_back('\\');
                break;
            default:  // not one we write: kept as it stands
                value.push_back('\\');
                value.push_back(escaped);
        }
    }
    return value;
}

std::optional<std::string> ini_value(std::string_view text, std::string_view section,
                                     std::string_view key) {
    bool inside = false;
    for (const std::string_view raw : lines_of(text)) {
        const Line line = parse_line(raw);
        if (line.kind == Line::Kind::Section) {
            inside = line.name == section;
        } else if (inside && line.kind == Line::Kind::Key && line.name == key) {
            return ini_decoded(line.value);
        }
    }
    return std::nullopt;
}

std::string with_ini_values(std::string_view text, std::string_view section,
                            std::span<const IniValue> values) {
    std::vector<std::string> out;
    std::vector<bool> written(values.size(), false);
    // Where the keys still missing go: after the last non-blank line of the section's first
    // block, before the blank lines that close it.
    std::optional<std::size_t> insert_at;
    bool inside = false;
    bool in_first_block = false;
    for (const std::string_view raw : lines_of(text)) {
        const Line line = parse_line(raw);
        if (line.kind == Line::Kind::Section) {
            inside = line.name == section;
            in_first_block = inside && !insert_at;
            out.emplace_back(raw);
            if (in_first_block) {
                insert_at = out.size();
            }
            continue;
        }
        if (inside && line.kind == Line::Kind::Key) {
            const auto owned = std::find_if(values.begin(), values.end(),
                                            [&](const IniValue& v) { return v.key == line.name; });
            if (owned != values.end()) {
                // The first line of the key takes the new value; any other is dropped.
                const auto index = static_cast<std::size_t>(owned - values.begin());
                if (!written[index]) {
                    written[index] = true;
                    out.push_back(key_line(*owned));
                    insert_at = in_first_block ? std::optional(out.size()) : insert_at;
                }
                continue;
            }
        }
        out.emplace_back(raw);
        if (in_first_block && !trimmed(raw).empty()) {
            insert_at = out.size();
        }
    }
    std::vector<std::string> missing;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!written[i]) {
            missing.push_back(key_line(values[i]));
        }
    }
    if (!insert_at) {
        if (!out.empty() && !trimmed(out.back()).empty()) {
            out.emplace_back();
        }
        std::string header = "[";
        header += section;
        header += ']';
        out.push_back(std::move(header));
        insert_at = out.size();
        missing.emplace_back();  // one blank line after the section
    }
    out.insert(out.begin() + static_cast<std::ptrdiff_t>(*insert_at), missing.begin(),
               missing.end());
    std::string result = text.starts_with(kByteOrderMark) ? std::string(kByteOrderMark) : "";
    for (const std::string& line : out) {
        result += line;
        result += '\n';
    }
    return result;
}

}  // namespace pickwell
