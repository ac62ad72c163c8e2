#include "command_scenario.h"

#include <algorithm>

#include "core/settings.h"
#include "vocabulary.h"

namespace pickwell::fuzzing {
namespace {

using testing::Far3Setting;

// A value as any program may have stored it: a number, small or not, or a text of any length
// around the dialog's field, of one repeated unit, maybe with a character outside the BMP or a
// NUL inside.
std::optional<Far3Setting> fuzzed_setting(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0:
            return std::nullopt;
        case 1:
            return testing::qword_setting(in.ConsumeIntegralInRange<std::uint64_t>(0, 3));
        case 2:
            return testing::qword_setting(in.ConsumeIntegral<std::uint64_t>());
        case 3: {
            const char16_t digits[] = {u'0', u'1', u'-', u' '};
            std::u16string text;
            for (std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, 4); n > 0; --n) {
                text.push_back(digits[in.ConsumeIntegralInRange<std::size_t>(0, 3)]);
            }
            return testing::string_setting(text);
        }
        default: {
            std::u16string text(in.ConsumeIntegralInRange<std::size_t>(0, 300),
                                in.ConsumeBool() ? u';' : in.ConsumeIntegral<char16_t>());
            if (in.ConsumeBool()) {
                text.insert(in.ConsumeIntegralInRange<std::size_t>(0, text.size()),
                            Vocabulary::outside_bmp(in));
            }
            if (!text.empty() && in.ConsumeIntegralInRange(0, 7) == 0) {
                text[in.ConsumeIntegralInRange<std::size_t>(0, text.size() - 1)] = u'\0';
            }
            return testing::string_setting(text);
        }
    }
}

}  // namespace

Far3CommandScenario Far3CommandScenario::fuzzed(FuzzedDataProvider& in) {
    Far3CommandScenario scenario;
    scenario.common = CommandScenario::fuzzed(in);
    const std::size_t count = scenario.common.items.size();
    scenario.items_number = static_cast<std::size_t>(
        std::clamp(scenario.common.items_number, 0, static_cast<int>(count)));

    scenario.panel_flags = in.ConsumeBool() ? in.ConsumeIntegral<far3::Flags64>() : 0;
    scenario.panel_flags &= ~far3::PFLAGS_PLUGIN;
    if (scenario.common.plugin_panel != 0) {
        scenario.panel_flags |= far3::PFLAGS_PLUGIN;
    }
    scenario.panel_info_fails = in.ConsumeIntegralInRange(0, 15) == 0;
    for (std::size_t index = 0; index < count; ++index) {
        if (in.ConsumeIntegralInRange(0, 7) == 0) {
            scenario.growing_items.insert(index);
        }
    }
    scenario.from_macro = in.ConsumeBool();

    scenario.settings_create_fails = in.ConsumeIntegralInRange(0, 7) == 0;
    for (const char16_t* name : {kAddSeparators, kCaseSensitive, kTrimSpaces}) {
        if (auto value = fuzzed_setting(in)) {
            scenario.settings[name] = *value;
        }
    }
    return scenario;
}

}  // namespace pickwell::fuzzing
