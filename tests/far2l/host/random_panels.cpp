#include "random_panels.h"

#include "support/dice.h"
#include "support/random_words.h"

namespace pickwell::far2l_host {
namespace {

using testing::Dice;
using testing::RandomWords;

const std::vector<RandomWords<std::u32string>::Letter> kLetters = {
    {U"a", U"A", U"\uFF41", U"\uFF21"},  // and fullwidth
    {U"\u03C3", U"\u03A3", U"\u03C2"},   // σ Σ ς
    {U"\u01C4", U"\u01C5", U"\u01C6"},   // Ǆ ǅ ǆ
    {U"\u03BC", U"\u039C", U"\u00B5"},   // μ Μ µ
    {U"s", U"S", U"\u017F"},             // s S ſ
    {U"\u03B2", U"\u0392", U"\u03D0"},   // β Β ϐ
    {U"\u0432", U"\u0412", U"\u1C80"},   // в В ᲀ
    {U"\u10D0", U"\u1C90"},              // ა Ა
    {U"\uA7C3", U"\uA7C2"},              // a letter far2l does not upper-case
    {U"\u00E9", U"\u00C9", U"e\u0301"},  // é É e + accent
    {U"\u00DF", U"SS", U"\u1E9E"},       // ß SS ẞ
    {U"i", U"I", U"\u0131", U"\u0130"},  // i I ı İ
    {U"\U00010428", U"\U00010400"},      // Deseret
    {U"\U0001F600", U"\U0001F601"},      // neighbours sharing their high half
    {U"\u0434", U"\u0414"},
    {U"."},
    {U"1"},
};

}  // namespace

RandomFar2lPanel random_far2l_panel(std::uint32_t seed, std::size_t max_items,
                                    std::size_t max_names) {
    Dice dice(seed);
    RandomWords<std::u32string> words(dice, kLetters, U'/', {U"/"});
    RandomFar2lPanel panel;
    panel.items.resize(1 + dice.below(max_items));
    for (std::u32string& item : panel.items) {
        item = dice.one_in(30) ? U"" : words.path();
        if (dice.one_in(8)) {
            // What no clipboard name can hold: a surrogate, or a unit beyond Unicode.
            const char32_t invalid = dice.one_in(2) ? 0xD83D : 0x110000;
            item.insert(dice.below(item.size() + 1), 1, invalid);
        }
    }
    panel.names.resize(1 + dice.below(max_names));
    for (std::size_t i = 0; i < panel.names.size(); ++i) {
        panel.names[i] = i > 0 && dice.one_in(8) ? panel.names[dice.below(i)] : words.path();
    }
    return panel;
}

}  // namespace pickwell::far2l_host
