#include "command_expectations.h"

#include <algorithm>

#include "core/settings.h"
#include "far2/command_expectations.h"
#include "platform/win32/full_path.h"
#include "select/name_matcher.h"

namespace pickwell::fuzzing {
namespace {

using testing::Far3Call;
using testing::Far3Setting;
using testing::panel_call;
using testing::settings_call;

const Far3Setting* stored(const Far3CommandScenario& scenario, const char16_t* name) {
    if (scenario.settings_create_fails) {
        return nullptr;
    }
    const auto found = scenario.settings.find(name);
    return found != scenario.settings.end() ? &found->second : nullptr;
}

bool flag_as_read(const Far3CommandScenario& scenario, const char16_t* name, int fallback) {
    const Far3Setting* value = stored(scenario, name);
    if (value == nullptr) {
        return fallback != 0;
    }
    if (value->type == far3::FST_QWORD) {
        return value->number != 0;
    }
    // The text's leading integer: its digits after spaces and a sign.
    const std::u16string& text = value->text;
    std::size_t at = text.find_first_not_of(u' ');
    if (at != std::u16string::npos && (text[at] == u'-' || text[at] == u'+')) {
        ++at;
    }
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
        if (text[at] != u'0') {
            return true;
        }
    }
    return false;
}

std::u16string text_as_read(const Far3CommandScenario& scenario, const char16_t* name) {
    const Far3Setting* value = stored(scenario, name);
    if (value == nullptr) {
        return u"";
    }
    if (value->type == far3::FST_QWORD) {
        const std::string digits = std::to_string(static_cast<std::int64_t>(value->number));
        return std::u16string(digits.begin(), digits.end());
    }
    return value->text.substr(0, value->text.find(u'\0'));
}

// The names a host fills into a buffer of `room` bytes: the record first, then each name while
// it still fits.
ItemNames names_delivered(const testing::FakeItem& item, std::size_t room, std::u16string& name,
                          std::u16string& short_name) {
    std::size_t used = sizeof(far3::PluginPanelItem);
    const auto fits = [&](const std::optional<std::u16string>& text) {
        used += testing::text_bytes(text);
        return used <= room;
    };
    const bool name_fits = fits(item.name);
    const bool short_name_fits = name_fits && fits(item.short_name);
    name = name_fits ? item.name.value_or(u"") : u"";
    short_name = short_name_fits ? item.short_name.value_or(u"") : u"";
    return {name.c_str(), short_name.c_str()};
}

}  // namespace

Far3SettingsAsRead far3_settings_as_read(const Far3CommandScenario& scenario) {
    // The command drops every half of a character outside the BMP from its separators.
    std::u16string separators = text_as_read(scenario, kAddSeparators);
    std::erase_if(separators, [](char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; });
    return {separators, flag_as_read(scenario, kTrimSpaces, kTrimSpacesDefault),
            flag_as_read(scenario, kCaseSensitive, kCaseSensitiveDefault)};
}

std::vector<Far3Call> far3_expected_calls(const Far3CommandScenario& scenario,
                                          const Collation& collation) {
    std::vector<Far3Call> calls = {panel_call(far3::FCTL_GETPANELINFO, 0, 1)};
    if (!scenario.runs()) {
        return calls;
    }
    const bool store = !scenario.settings_create_fails;
    const Far3SettingsAsRead settings = far3_settings_as_read(scenario);
    calls.push_back(settings_call(far3::SCTL_CREATE));
    if (store && scenario.common.text_block) {
        calls.push_back(settings_call(far3::SCTL_GET, kAddSeparators, far3::FST_STRING));
        calls.push_back(settings_call(far3::SCTL_GET, kTrimSpaces, far3::FST_QWORD));
    }
    calls.push_back(panel_call(far3::FCTL_BEGINSELECTION, 0, 0));
    if (store) {
        calls.push_back(settings_call(far3::SCTL_GET, kCaseSensitive, far3::FST_QWORD));
    }

    // The names of a folder's own entries are none.
    NameList names;
    for (const std::u16string_view name : expected_clipboard_names(
             scenario.common, settings.separators, settings.trim_spaces, scenario.plugin_panel())) {
        if (name != u"." && name != u"..") {
            names.push_back(name);
        }
    }
    // A file panel looks a text's full paths up by their file names.
    const bool full_paths = scenario.common.text_block && !scenario.plugin_panel();
    PlainMatcher plain(names, settings.case_sensitive ? CaseRule::Sensitive : CaseRule::Insensitive,
                       collation, {u'\\', full_paths ? windows_full_path_root : nullptr});
    for (std::size_t index = 0; index < scenario.items_number; ++index) {
        const testing::FakeItem& item = scenario.common.items[index];
        const auto at = static_cast<std::int64_t>(index);
        calls.push_back(panel_call(far3::FCTL_GETPANELITEM, at, 0));
        const int reported =
            item.reported_size.value_or(static_cast<int>(testing::far3_item_size(item)));
        if (reported <= 0) {
            continue;
        }
        calls.push_back(panel_call(far3::FCTL_GETPANELITEM, at, 1));
        // The buffer is what the item asked for, never less than its record; an item that has
        // grown past it is left alone.
        const std::size_t room =
            std::max(static_cast<std::size_t>(reported), sizeof(far3::PluginPanelItem));
        const bool outgrown =
            scenario.growing_items.contains(index) &&
            static_cast<std::size_t>(reported) + testing::FakeFar3Host::kGrowth > room;
        if (item.fill_fails || outgrown) {
            continue;
        }
        std::u16string name, short_name;
        const ItemNames delivered = names_delivered(item, room, name, short_name);
        if (name == u"..") {
            continue;  // the parent entry, which the host never selects
        }
        for (std::size_t n = plain.count_matches(delivered); n > 0; --n) {
            calls.push_back(panel_call(far3::FCTL_SETSELECTION, at, 1));
        }
    }
    calls.push_back(panel_call(far3::FCTL_ENDSELECTION, 0, 0));
    calls.push_back(panel_call(far3::FCTL_REDRAWPANEL, 0, 0));
    if (store) {
        calls.push_back(settings_call(far3::SCTL_FREE));
    }
    return calls;
}

}  // namespace pickwell::fuzzing
