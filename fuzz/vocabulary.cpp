#include "vocabulary.h"

#include <string_view>

namespace pickwell::fuzzing {
namespace {

// Letters in both cases, characters the collation treats specially, and a few that separate.
constexpr std::u16string_view kAlphabet =
    u"aAbBsSeE.~1 ;\\\"\t"
    u"\u00E9\u00C9\u0301\u00DF\u00AD\u00FF\u0434\u0414\u0401\u0451\u03B1\u0391\u00D7\u00F7";
constexpr std::u16string_view kSeparators = u"\r\n\t ;,\"\\\x01\x1F\x7F";
// U+1F600 and U+1F603 share their high half, U+1F600 and U+1FA00 their low one.
constexpr std::u16string_view kOutsideBmp[] = {u"\U0001F600", u"\U0001F603", u"\U0001FA00"};
constexpr std::u16string_view kFolders[] = {
    u"",   u"",    u"sub\\", u"C:\\dir\\", u"\\\\srv\\s\\", u"\\\\?\\C:\\", u"\\\\?\\UNC\\srv\\s\\",
    u"\\", u"C:\\"};
// What may follow the word: a folder is given with its separator, a path may end in its own
// entries.
constexpr std::u16string_view kEnds[] = {u"", u"", u"", u"", u"", u"\\", u"\\..", u"\\.\\"};

char16_t other_case(char16_t c) {
    if ((c >= u'a' && c <= u'z') || (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7) ||
        (c >= 0x03B1 && c <= 0x03CB) || (c >= 0x0430 && c <= 0x044F)) {
        return static_cast<char16_t>(c - 0x20);
    }
    if ((c >= u'A' && c <= u'Z') || (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) ||
        (c >= 0x0391 && c <= 0x03AB) || (c >= 0x0410 && c <= 0x042F)) {
        return static_cast<char16_t>(c + 0x20);
    }
    return c;
}

}  // namespace

Vocabulary::Vocabulary(FuzzedDataProvider& in) {
    for (auto& word : words_) {
        const std::size_t length = in.ConsumeIntegralInRange<std::size_t>(1, 8);
        for (std::size_t i = 0; i < length; ++i) {
            word.push_back(
                kAlphabet[in.ConsumeIntegralInRange<std::size_t>(0, kAlphabet.size() - 1)]);
        }
    }
}

std::u16string Vocabulary::word(FuzzedDataProvider& in) const {
    std::u16string word = words_[in.ConsumeIntegralInRange<std::size_t>(0, words_.size() - 1)];
    if (in.ConsumeBool()) {
        for (char16_t& c : word) {
            c = other_case(c);
        }
    }
    return word;
}

std::u16string Vocabulary::path(FuzzedDataProvider& in) const {
    const std::u16string_view folder =
        kFolders[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kFolders) - 1)];
    if (folder == u"C:\\" && in.ConsumeBool()) {
        return std::u16string(folder);
    }
    return std::u16string(folder) + word(in) +
           std::u16string(kEnds[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kEnds) - 1)]);
}

char16_t Vocabulary::separator(FuzzedDataProvider& in) {
    return kSeparators[in.ConsumeIntegralInRange<std::size_t>(0, kSeparators.size() - 1)];
}

std::u16string Vocabulary::outside_bmp(FuzzedDataProvider& in) {
    return std::u16string(
        kOutsideBmp[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kOutsideBmp) - 1)]);
}

std::u16string Vocabulary::raw(FuzzedDataProvider& in, std::size_t max_units) {
    std::u16string text(in.ConsumeIntegralInRange<std::size_t>(0, max_units), u'\0');
    for (char16_t& c : text) {
        c = in.ConsumeIntegral<char16_t>();
    }
    return text;
}

}  // namespace pickwell::fuzzing
