#include "plain_rule.h"

#include <windows.h>

#include <regex>

namespace wine_test {
namespace {

const wchar_t* wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// A full path's root (a drive, a server's share, or either behind \\?\ or \\.\, or a volume
// there), then maybe folders, then the file name, or the last folder's name before a last
// backslash.
const std::wregex kFullPath(
    LR"(^(?:[a-z]:\\|\\\\[?.]\\(?:[a-z]:\\|unc\\[^\\]+\\[^\\]+\\|(?![a-z]:\\|unc\\)[^\\]+\\))"
    LR"(|\\\\(?![?.]\\)[^\\]+\\[^\\]+\\)(?:.*\\)?([^\\]+)\\?$)",
    std::regex::ECMAScript | std::regex::icase);

// What a name is compared with the item by, and whether with its whole name (else its leaf).
struct Compared {
    std::u16string text;
    bool with_whole;
};
Compared compared(const std::u16string& name, Module module) {
    std::wsmatch match;
    const std::wstring text(name.begin(), name.end());
    if (module == Module::Far3 && std::regex_match(text, match, kFullPath) && match[1] != L"." &&
        match[1] != L"..") {
        const std::wstring file_name = match[1];
        return {std::u16string(file_name.begin(), file_name.end()), false};
    }
    return {name, name.find(u'\\') != std::u16string::npos};
}

}  // namespace

std::vector<int> plain_counts(const std::vector<pickwell::testing::FakeItem>& items,
                              const std::vector<std::u16string>& names, bool case_sensitive,
                              Module module) {
    const bool skipped = module == Module::Far3;
    std::vector<Compared> compared_names;
    for (const auto& name : names) {
        if (!(skipped && (name == u"." || name == u".."))) {
            compared_names.push_back(compared(name, module));
        }
    }
    std::vector<int> counts;
    for (const auto& item : items) {
        const std::u16string whole = item.name.value_or(u"");
        const std::u16string leaf = whole.substr(whole.rfind(u'\\') + 1);
        const std::u16string short_name = item.short_name.value_or(u"");
        int matches = 0;
        for (const auto& name : compared_names) {
            if (skipped && whole == u"..") {
                continue;
            }
            const std::u16string& target = name.with_whole ? whole : leaf;
            if (case_sensitive ? lstrcmpW(wide(name.text), wide(target)) == 0
                               : lstrcmpiW(wide(name.text), wide(target)) == 0 ||
                                     lstrcmpiW(wide(name.text), wide(short_name)) == 0) {
                ++matches;
            }
        }
        counts.push_back(matches);
    }
    return counts;
}

}  // namespace wine_test
