#include "command_expectations.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "host/far2/registry_settings.h"
#include "select/name_matcher.h"
#include "select/name_parser.h"

namespace pickwell::fuzzing {
namespace {

using testing::HostCall;

std::u16string text_of(const std::vector<std::byte>& block) {
    std::u16string text;
    for (std::size_t at = 0; at + 1 < block.size(); at += 2) {
        const auto unit = static_cast<char16_t>(std::to_integer<unsigned>(block[at]) |
                                                std::to_integer<unsigned>(block[at + 1]) << 8);
        if (unit == u'\0') {
            break;
        }
        text.push_back(unit);
    }
    return text;
}

// The paths of a DROPFILES block: the list starts at the offset in its first four bytes and is
// wide when the fifth four are not zero; every path ends with a NUL, the list with an empty
// path. A path the block cuts off is no path.
std::vector<std::u16string> paths_of(const std::vector<std::byte>& block) {
    std::vector<std::u16string> paths;
    if (block.size() < 20) {
        return paths;
    }
    std::uint32_t header[5];
    std::memcpy(header, block.data(), sizeof header);
    const std::size_t unit_size = header[4] != 0 ? 2 : 1;
    std::u16string path;
    for (std::size_t at = header[0]; at + unit_size <= block.size(); at += unit_size) {
        unsigned unit = std::to_integer<unsigned>(block[at]);
        if (unit_size == 2) {
            unit |= std::to_integer<unsigned>(block[at + 1]) << 8;
        }
        if (unit != 0) {
            path.push_back(static_cast<char16_t>(unit));  // one byte: Latin-1, as the stand-in
        } else if (path.empty()) {
            break;
        } else {
            paths.push_back(std::move(path));
            path.clear();
        }
    }
    return paths;
}

std::u16string dropped_name(const std::u16string& path, bool plugin_panel) {
    const std::size_t backslash = path.rfind(u'\\');
    if (plugin_panel || backslash == std::u16string::npos || backslash + 1 == path.size()) {
        return path;
    }
    return path.substr(backslash + 1);
}

}  // namespace

NameList expected_clipboard_names(const CommandScenario& scenario, const std::u16string& separators,
                                  bool trim_spaces, bool plugin_panel) {
    if (scenario.text_block) {
        return parse_names(text_of(*scenario.text_block), separators, trim_spaces);
    }
    NameList names;
    if (scenario.drop_block) {
        for (const auto& path : paths_of(*scenario.drop_block)) {
            names.push_back(dropped_name(path, plugin_panel));
        }
    }
    return names;
}

NameList expected_names(const CommandScenario& scenario) {
    const StoredSettings& stored = scenario.settings;
    return expected_clipboard_names(scenario, separators_as_read(stored.separators),
                                    flag_as_read(stored.trim_spaces, kTrimSpacesDefault) != 0,
                                    scenario.plugin_panel != 0);
}

std::vector<HostCall> expected_calls(const CommandScenario& scenario, const NameList& names,
                                     const Collation& collation) {
    std::vector<HostCall> calls = {{far2::FCTL_GETPANELINFO, 0, 0}};
    if (scenario.panel_type != far2::PTYPE_FILEPANEL || scenario.clipboard_held) {
        return calls;
    }
    calls.push_back({far2::FCTL_BEGINSELECTION, 0, 0});
    const bool case_sensitive =
        flag_as_read(scenario.settings.case_sensitive, kCaseSensitiveDefault) != 0;
    PlainMatcher plain(names, case_sensitive ? CaseRule::Sensitive : CaseRule::Insensitive,
                       collation, {u'\\'});
    for (int index = 0; index < scenario.items_number; ++index) {
        const testing::FakeItem& item = scenario.items[static_cast<std::size_t>(index)];
        calls.push_back({far2::FCTL_GETPANELITEM, index, 0});
        if (item.reported_size && *item.reported_size <= 0) {
            continue;
        }
        calls.push_back({far2::FCTL_GETPANELITEM, index, 1});
        if (item.fill_fails) {
            continue;
        }
        const bool named = CommandScenario::delivers_names(item);
        const ItemNames delivered = {named && item.name ? item.name->c_str() : u"",
                                     named && item.short_name ? item.short_name->c_str() : u""};
        for (std::size_t n = plain.count_matches(delivered); n > 0; --n) {
            calls.push_back({far2::FCTL_SETSELECTION, index, 1});
        }
    }
    calls.push_back({far2::FCTL_ENDSELECTION, 0, 0});
    calls.push_back({far2::FCTL_REDRAWPANEL, 0, 0});
    return calls;
}

}  // namespace pickwell::fuzzing
