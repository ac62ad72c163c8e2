// far2l's CF_UNICODETEXT block, any bytes, turned into names. Whatever the block holds:
// - the text is valid UTF-16 but for nothing: every surrogate in it belongs to a pair, so an
//   invalid unit can never have become part of a character;
// - each invalid unit of the block ends the name it is in: no name holds a control character,
//   and the names are exactly the runs of valid units between separators;
// - an item name converted from the same units by the host rule never equals a name that
//   holds an invalid unit's neighbours joined.
//
// Input: the block's bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/far2l/collation.h"
#include "platform/far2l/utf32_text.h"
#include "require.h"
#include "select/name_parser.h"

namespace {

using pickwell::fuzzing::require;

bool pairs_every_surrogate(const std::u16string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) {
                return false;
            }
            ++i;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span block(reinterpret_cast<const std::byte*>(data), size);
    const std::u16string text = pickwell::text_from_utf32_block(block);
    require(pairs_every_surrogate(text), "the text holds an unpaired surrogate");

    // The units as the block holds them, up to the first NUL, without a leading mark.
    std::vector<char32_t> units(size / sizeof(char32_t));
    if (!units.empty()) {
        std::memcpy(units.data(), data, units.size() * sizeof(char32_t));
    }
    std::size_t at = !units.empty() && units[0] == 0xFEFF ? 1 : 0;
    // Expected names: the runs of valid units other than line ends and controls.
    std::vector<std::u32string> runs(1);
    for (; at < units.size() && units[at] != 0; ++at) {
        const char32_t c = units[at];
        if (!pickwell::is_scalar_value(c) || (c >= 0x01 && c <= 0x1F)) {
            runs.emplace_back();
        } else {
            runs.back().push_back(c);
        }
    }
    std::vector<std::u16string> expected;
    for (std::u32string& run : runs) {
        if (!run.empty()) {
            expected.push_back(pickwell::utf16_from_host(run.c_str()));
        }
    }

    // Without trimming, quotes or extra separators, the names are exactly those runs.
    const bool has_quote = text.find(u'"') != std::u16string::npos;
    const pickwell::NameList names = pickwell::parse_names(text, u"", false);
    if (!has_quote) {
        require(names.size() == expected.size(), "names other than the runs of valid units");
        for (std::size_t i = 0; i < names.size(); ++i) {
            require(names[i] == expected[i], "a name that is not its run of valid units");
        }
    }
    // The same units from the host, as an item's name, equal no name from the clipboard that
    // lost an invalid unit.
    std::u32string host_units(units.begin(), units.begin() + static_cast<std::ptrdiff_t>(at));
    const std::u16string item = pickwell::utf16_from_host(host_units.c_str());
    const pickwell::Far2lCollation collation;
    const bool item_has_invalid = item.find(pickwell::kInvalidInHostText) != std::u16string::npos &&
                                  !pairs_every_surrogate(item);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (item_has_invalid) {
            require(!collation.equal(names[i], item, pickwell::CaseRule::Insensitive),
                    "an item with an invalid unit equals a clipboard name");
        }
    }
    return 0;
}
