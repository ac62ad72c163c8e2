// Short texts from a small alphabet, so that names on the clipboard and items on the panel often
// meet, also through the collation's soft spots (case, soft hyphens, sharp s, accents).
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <string>

namespace pickwell::fuzzing {

class Vocabulary {
  public:
    explicit Vocabulary(FuzzedDataProvider& in);

    // One of the words, as it is or with the case of its letters changed.
    std::u16string word(FuzzedDataProvider& in) const;
    // A word behind a folder part or a full path's root, or none, maybe a separator or a
    // folder's own entry after it; or a drive root.
    std::u16string path(FuzzedDataProvider& in) const;
    // One character that may end or quote a name.
    static char16_t separator(FuzzedDataProvider& in);
    // One character outside the BMP, of a few that share a half of their UTF-16 form.
    static std::u16string outside_bmp(FuzzedDataProvider& in);
    // Any text of up to `max_units` units from the whole range.
    static std::u16string raw(FuzzedDataProvider& in, std::size_t max_units);

  private:
    std::array<std::u16string, 4> words_;
};

}  // namespace pickwell::fuzzing
