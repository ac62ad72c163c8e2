#include "random_panels.h"

#include "dice.h"

namespace pickwell::testing {
namespace {

// A letter of a word, with the ways it may be spelled.
using Letter = std::vector<std::u16string>;
const std::vector<Letter> kLetters = {
    {u"a", u"A"},
    {u"b", u"B"},
    {u"\u00DF", u"ss", u"SS", u"sS", u"s\u00ADs"},
    {u"\u00E9", u"\u00C9", u"e\u0301", u"E\u0301"},
    {u"e", u"E"},
    {u"\u0434", u"\u0414"},
    {u".", u".\u00AD"},
    {u"1"},
};

using Word = std::vector<std::size_t>;  // letters by index

std::u16string spell(const Word& word, Dice& dice) {
    std::u16string text;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const Letter& letter = kLetters[word[i]];
        text += letter[dice.below(letter.size())];
        if (i + 1 < word.size() && dice.one_in(6)) {
            text += u' ';
        }
    }
    return text;
}

}  // namespace

RandomPanel random_panel(std::uint32_t seed, std::size_t max_items, std::size_t max_names) {
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
        std::u16string text = dice.one_in(4) ? spell(any_word(), dice) + u'\\' : u"";
        return text + spell(any_word(), dice);
    };

    RandomPanel panel;
    panel.items.resize(1 + dice.below(max_items));
    for (RandomItem& item : panel.items) {
        item.name = dice.one_in(30) ? u"" : path();
        if (dice.one_in(3)) {
            item.short_name = spell(any_word(), dice);
        }
    }
    panel.names.resize(1 + dice.below(max_names));
    for (std::size_t i = 0; i < panel.names.size(); ++i) {
        panel.names[i] = i > 0 && dice.one_in(8) ? panel.names[dice.below(i)] : path();
    }
    return panel;
}

}  // namespace pickwell::testing
