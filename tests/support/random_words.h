// Spellings of a few random words, for the random panels: names that meet often, each spelled in
// one of the ways its letters may be written.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "dice.h"

namespace pickwell::testing {

template <typename String>
class RandomWords {
  public:
    // A letter, with the ways it may be spelled.
    using Letter = std::vector<String>;

    // Picks the words; `separator` ends a folder in a path, and each of `roots` (`C:\`, `/`)
    // starts a full path.
    RandomWords(Dice& dice, const std::vector<Letter>& letters,
                typename String::value_type separator, std::vector<String> roots = {})
        : dice_(dice),
          letters_(letters),
          separator_(separator),
          roots_(std::move(roots)),
          words_(2 + dice.below(8)) {
        for (Word& word : words_) {
            word.resize(1 + dice.below(3));
            for (std::size_t& letter : word) {
                letter = dice.below(letters.size());
            }
        }
    }

    // One of the words, spelled anew, sometimes with a space between two letters.
    String word() {
        const Word& word = words_[dice_.below(words_.size())];
        String text;
        for (std::size_t i = 0; i < word.size(); ++i) {
            const Letter& letter = letters_[word[i]];
            text += letter[dice_.below(letter.size())];
            if (i + 1 < word.size() && dice_.one_in(6)) {
                text += ' ';
            }
        }
        return text;
    }

    // A word, sometimes behind a folder; given roots, sometimes a full path: of a word, of a
    // folder given with its separator, of a folder's own entry, or a root alone.
    String path() {
        if (!roots_.empty() && dice_.one_in(4)) {
            String text = roots_[dice_.below(roots_.size())];
            if (dice_.one_in(2)) {
                text += word();
                text += separator_;
            }
            switch (dice_.below(8)) {
                case 0:
                    return text;
                case 1:
                    return text + String(1 + dice_.below(2), '.');
                case 2:
                    return text + word() + separator_;
                default:
                    return text + word();
            }
        }
        String text;
        if (dice_.one_in(4)) {
            text = word();
            text += separator_;
        }
        return text + word();
    }

  private:
    using Word = std::vector<std::size_t>;  // letters by index

    Dice& dice_;
    const std::vector<Letter>& letters_;
    typename String::value_type separator_;
    std::vector<String> roots_;
    std::vector<Word> words_;
};

}  // namespace pickwell::testing
