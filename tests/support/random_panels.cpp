#include "random_panels.h"

#include "dice.h"
#include "random_words.h"

namespace pickwell::testing {
namespace {

const std::vector<RandomWords<std::u16string>::Letter> kLetters = {
    {u"a", u"A"},
    {u"b", u"B"},
    {u"\u00DF", u"ss", u"SS", u"sS", u"s\u00ADs"},
    {u"\u00E9", u"\u00C9", u"e\u0301", u"E\u0301"},
    {u"e", u"E"},
    {u"\u0434", u"\u0414"},
    {u".", u".\u00AD"},
    {u"1"},
};

}  // namespace

RandomPanel random_panel(std::uint32_t seed, std::size_t max_items, std::size_t max_names) {
    Dice dice(seed);
    RandomWords<std::u16string> words(
        dice, kLetters, u'\\',
        {u"C:\\", u"\\\\srv\\share\\", u"\\\\?\\C:\\", u"\\\\?\\UNC\\srv\\share\\"});
    RandomPanel panel;
    panel.items.resize(1 + dice.below(max_items));
    for (RandomItem& item : panel.items) {
        item.name = dice.one_in(30) ? u"" : words.path();
        if (dice.one_in(3)) {
            item.short_name = words.word();
        }
    }
    panel.names.resize(1 + dice.below(max_names));
    for (std::size_t i = 0; i < panel.names.size(); ++i) {
        panel.names[i] = i > 0 && dice.one_in(8) ? panel.names[dice.below(i)] : words.path();
    }
    return panel;
}

}  // namespace pickwell::testing
