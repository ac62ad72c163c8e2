#include "random_far2l_panels.h"

#include "dice.h"

namespace pickwell::far2l_host {
namespace {

using testing::Dice;

// A letter of a word, with the ways it may be spelled.
using Letter = std::vector<std::u32string>;
const std::vector<Letter> kLetters = {
    {U"a", U"A", U"\uFF41", U"\uFF21"},  // and fullwidth
    {U"\u03C3", U"\u03A3", U"\u03C2"},   // σ Σ ς
    {U"\u01C4", U"\u01C5", U"\u01C6"},   // Ǆ ǅ ǆ
    {U"\u00E9", U"\u00C9", U"e\u0301"},  // é É e + accent
    {U"\u00DF", U"SS", U"\u1E9E"},       // ß SS ẞ
    {U"i", U"I", U"\u0131", U"\u0130"},  // i I ı İ
    {U"\U00010428", U"\U00010400"},      // Deseret
    {U"\U0001F600", U"\U0001F601"},      // neighbours sharing their high half
    {U"\u0434", U"\u0414"},
    {U"."},
    {U"1"},
};

using Word = std::vector<std::size_t>;  // letters by index

std::u32string spell(const Word& word, Dice& dice) {
    std::u32string text;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const Letter& letter = kLetters[word[i]];
        text += letter[dice.below(letter.size())];
        if (i + 1 < word.size() && dice.one_in(6)) {
            text += U' ';
        }
    }
    return text;
}

}  // namespace

RandomFar2lPanel random_far2l_panel(std::uint32_t seed, std::size_t max_items,
                                    std::size_t max_names) {
    Dice dice(seed);
    // A few short words, so that names and items meet often.
    std::vector<Word> words(2 + dice.below(8));
    for (Word& word : words) {
        word.resize(1 + dice.below(3));
        for (std::size_t& letter : word) {
            letter = dice.below(kLetters.size());
        }
    }
    const auto any_word = [&]() -> const Word& { return words[dice.below(words.size())]; };
    // A name, sometimes behind a folder.
    const auto path = [&] {
        std::u32string text = dice.one_in(4) ? spell(any_word(), dice) + U'/' : U"";
        return text + spell(any_word(), dice);
    };

    RandomFar2lPanel panel;
    panel.items.resize(1 + dice.below(max_items));
    for (std::u32string& item : panel.items) {
        item = dice.one_in(30) ? U"" : path();
        if (dice.one_in(8)) {
            // What no clipboard name can hold: a surrogate, or a unit beyond Unicode.
            const char32_t invalid = dice.one_in(2) ? 0xD83D : 0x110000;
            item.insert(dice.below(item.size() + 1), 1, invalid);
        }
    }
    panel.names.resize(1 + dice.below(max_names));
    for (std::size_t i = 0; i < panel.names.size(); ++i) {
        panel.names[i] = i > 0 && dice.one_in(8) ? panel.names[dice.below(i)] : path();
    }
    return panel;
}

}  // namespace pickwell::far2l_host
