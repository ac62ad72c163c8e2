#include "command_scenario.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>

#include "vocabulary.h"

namespace pickwell::fuzzing {
namespace {

using testing::FakeItem;

constexpr std::size_t kMaxItems = 24;
constexpr std::size_t kPointersEnd = 48;  // no name pointer lies in the first 48 bytes

std::size_t text_bytes(const std::optional<std::u16string>& text) {
    return text ? (text->size() + 1) * sizeof(char16_t) : 0;
}

std::size_t full_size(const FakeItem& item) {
    return sizeof(far2::PluginPanelItem) + text_bytes(item.name) + text_bytes(item.short_name);
}

void append_units(std::vector<std::byte>& block, std::u16string_view units) {
    const auto* bytes = reinterpret_cast<const std::byte*>(units.data());
    block.insert(block.end(), bytes, bytes + units.size() * sizeof(char16_t));
}

std::optional<std::u16string> item_name(FuzzedDataProvider& in, const Vocabulary& words) {
    switch (in.ConsumeIntegralInRange(0, 9)) {
        case 0:
            return std::nullopt;
        case 1:
            return u"";
        case 2:
            return Vocabulary::raw(in, 6);
        default:
            return words.path(in);
    }
}

std::optional<int> reported_size(FuzzedDataProvider& in, const FakeItem& item) {
    const int full = static_cast<int>(full_size(item));
    switch (in.ConsumeIntegralInRange(0, 15)) {
        case 0:
            return 0;
        case 1:
            return in.ConsumeIntegralInRange(INT_MIN, -1);
        case 2:
            return in.ConsumeIntegralInRange(1, static_cast<int>(kPointersEnd));
        case 3:
            return full + in.ConsumeIntegralInRange(1, 4096);
        case 4:
            return in.ConsumeIntegralInRange(1 << 16, 1 << 20);  // far more than it needs
        default:
            return std::nullopt;  // what it needs
    }
}

FakeItem panel_item(FuzzedDataProvider& in, const Vocabulary& words) {
    FakeItem item;
    item.name = item_name(in, words);
    item.short_name = in.ConsumeBool() ? std::nullopt : item_name(in, words);
    item.reported_size = reported_size(in, item);
    item.fill_fails = in.ConsumeIntegralInRange(0, 15) == 0;
    return item;
}

// Text as a program may leave it: words, separators, quotes, characters outside the BMP and any
// other units, with or without a terminator, with half a unit or more text after the terminator.
std::vector<std::byte> fuzzed_text_block(FuzzedDataProvider& in, const Vocabulary& words) {
    std::u16string text;
    for (std::size_t pieces = in.ConsumeIntegralInRange<std::size_t>(0, 24); pieces > 0; --pieces) {
        switch (in.ConsumeIntegralInRange(0, 6)) {
            case 0:
            case 1:
                text += words.path(in);
                break;
            case 2:
            case 3:
                text.push_back(Vocabulary::separator(in));
                break;
            case 4:
                text += u"\"" + words.word(in) + u"\"";
                break;
            case 5:
                text += Vocabulary::outside_bmp(in);
                break;
            default:
                text += Vocabulary::raw(in, 3);
        }
    }
    std::vector<std::byte> block;
    append_units(block, text);
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            break;  // no terminator
        case 1:
            block.push_back(std::byte{0x41});  // and half a unit
            break;
        case 2:
            append_units(block, std::u16string(u"\0junk", 5));
            break;
        default:
            append_units(block, std::u16string(1, u'\0'));
    }
    return block;
}

// A DROPFILES header and a list of paths, wide or one byte per unit, sound or broken anywhere.
std::vector<std::byte> fuzzed_drop_block(FuzzedDataProvider& in, const Vocabulary& words) {
    const bool wide = in.ConsumeIntegralInRange(0, 3) != 0;
    std::vector<std::byte> list;
    const auto append = [&](std::u16string_view units) {
        if (wide) {
            append_units(list, units);
        } else {
            for (const char16_t unit : units) {
                list.push_back(static_cast<std::byte>(unit & 0xFF));
            }
        }
    };
    for (std::size_t paths = in.ConsumeIntegralInRange<std::size_t>(0, 6); paths > 0; --paths) {
        append(words.path(in));
        append(std::u16string(1, u'\0'));
    }
    if (in.ConsumeIntegralInRange(0, 3) != 0) {
        append(std::u16string(1, u'\0'));
    } else {
        list.resize(in.ConsumeIntegralInRange<std::size_t>(0, list.size()));
    }

    constexpr std::size_t kHeader = 20;
    std::uint32_t header[5] = {kHeader, 0, 0, 0, wide ? 1u : 0u};
    switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0:
            header[0] = in.ConsumeIntegral<std::uint32_t>();  // anywhere, mostly past the end
            break;
        case 1:
            header[0] = static_cast<std::uint32_t>(kHeader + list.size() + 1);  // just past it
            break;
        case 2:
            header[0] = in.ConsumeIntegralInRange<std::uint32_t>(0, kHeader + 3);  // odd, early
            break;
        case 3:
            header[4] = in.ConsumeIntegral<std::uint32_t>();  // any wide flag
            break;
        default:
            break;
    }
    std::vector<std::byte> block(sizeof header);
    std::memcpy(block.data(), header, sizeof header);
    if (header[0] > kHeader && header[0] <= kHeader + 3) {
        block.resize(header[0]);  // padding before the list
    }
    block.insert(block.end(), list.begin(), list.end());
    if (in.ConsumeIntegralInRange(0, 7) == 0) {
        block.resize(in.ConsumeIntegralInRange<std::size_t>(0, block.size()));  // cut short
    }
    return block;
}

}  // namespace

void CommandScenario::fill(MemoryClipboard& clipboard) const {
    if (text_block) {
        clipboard.put(ClipboardFormat::UnicodeText, *text_block);
    }
    if (drop_block) {
        clipboard.put(ClipboardFormat::FileDrop, *drop_block);
    }
    clipboard.hold_elsewhere(clipboard_held);
}

bool CommandScenario::delivers_names(const FakeItem& item) {
    return !item.reported_size || *item.reported_size > static_cast<int>(kPointersEnd);
}

CommandScenario CommandScenario::fuzzed(FuzzedDataProvider& in) {
    CommandScenario scenario;
    const Vocabulary words(in);
    if (in.ConsumeIntegralInRange(0, 15) == 0) {
        scenario.panel_type = in.ConsumeIntegralInRange(1, 3);  // tree, quick view, information
    }
    scenario.plugin_panel = in.ConsumeIntegralInRange(0, 3) == 0 ? 1 : 0;
    for (std::size_t count = in.ConsumeIntegralInRange<std::size_t>(0, kMaxItems); count > 0;
         --count) {
        scenario.items.push_back(panel_item(in, words));
    }
    const int count = static_cast<int>(scenario.items.size());
    scenario.items_number =
        in.ConsumeIntegralInRange(0, 7) == 0 ? in.ConsumeIntegralInRange(-3, count) : count;

    scenario.clipboard_held = in.ConsumeIntegralInRange(0, 15) == 0;
    if (in.ConsumeIntegralInRange(0, 2) != 0) {
        scenario.text_block = fuzzed_text_block(in, words);
    }
    if (in.ConsumeBool()) {
        scenario.drop_block = fuzzed_drop_block(in, words);
    }
    scenario.settings = StoredSettings::fuzzed(in);
    scenario.keys = static_cast<KeyQuality>(in.ConsumeIntegralInRange(0, 3));
    return scenario;
}

}  // namespace pickwell::fuzzing
