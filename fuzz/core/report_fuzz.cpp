// The list of names not found, from a made-up panel, clipboard text and settings, through the
// command's second form. Whatever they are:
// - the list holds exactly the names that no item matches when each name is compared with every
//   item, in clipboard order, each distinct name once; its title counts them and the distinct
//   names; everything found gives the message instead;
// - every line shows no control character, line separator or unpaired surrogate, and is no wider
//   than the list allows;
// - the copy, parsed back with the same settings, gives the names of the list that the format
//   can hold (no quotation mark first, no control character, and no quotation mark where quotes
//   are needed), and the list then says how many it left out.
//
// Input: a flags byte (bit 0: trim spaces, bit 1: with case, bit 2: full paths looked up by
// their file names, as Windows writes them; bits 3 to 7: the list's width), a
// byte that makes the clipboard text long when it is 0xFF, a hundred thousand numbered names, or
// 0xFE, twenty thousand names of one key hash (rarely: such a run is slow), and otherwise adds
// its low four bits' worth of names of one key hash to the text and its next two bits' worth
// to the items; then the separators, the items and the text, each a run of letters of a small
// alphabet rich in what the parser and the list treat specially, ended by a byte with bit 7
// set.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/settings.h"
#include "platform/memory/collation.h"
#include "platform/win32/full_path.h"
#include "report/not_found_list.h"
#include "report/report_command.h"
#include "require.h"
#include "select/name_matcher.h"
#include "select/name_parser.h"
#include "support/colliding_names.h"
#include "support/core_stand_ins.h"

namespace {

using pickwell::fuzzing::require;
using namespace pickwell;

constexpr char16_t kAlphabet[] = {
    u'a',    u'A',    u'b',   u'.',    u' ',    u'"',    u';',      u',',    u'\\',
    u'\t',   u'\n',   u'\r',  u'\x01', u'\x7F', u'\x85', u'\u2028', u'\xE9', u'\xC9',
    u'\xDF', u'\xAD', 0xD83D, 0xDE00,  0xDC00,  u'x',    0xFEFF,    u':',
};

// The input, read from its start.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), end_(data + size) {}

    std::uint8_t byte() { return data_ != end_ ? *data_++ : 0; }

    // Letters up to a byte with bit 7 set, or the end, or `longest` of them.
    std::u16string spelled(std::size_t longest) {
        std::u16string text;
        while (text.size() < longest && data_ != end_) {
            const std::uint8_t letter = *data_++;
            if ((letter & 0x80) != 0) {
                break;
            }
            text += kAlphabet[letter % std::size(kAlphabet)];
        }
        return text;
    }

  private:
    const std::uint8_t* data_;
    const std::uint8_t* end_;
};

bool is_hidden(char16_t unit) {
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F) || unit == 0x2028 || unit == 0x2029;
}

// No control character, line separator or unpaired surrogate, and at most `width` characters.
bool shows_well(std::u16string_view line, std::size_t width) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < line.size(); ++i, ++characters) {
        const char16_t unit = line[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (is_hidden(unit) || low ||
            (high && (i + 1 == line.size() || line[i + 1] < 0xDC00 || line[i + 1] > 0xDFFF))) {
            return false;
        }
        i += high ? 1 : 0;
    }
    return characters <= width;
}

// Whether the clipboard text format can hold `name`, read with these settings, and every host's
// clipboard too (far2l's drops a byte order mark that starts a text).
bool writable(std::u16string_view name, std::u16string_view separators, bool trim) {
    const auto control = [](char16_t unit) { return unit < 0x20; };
    if (name.front() == u'"' || std::any_of(name.begin(), name.end(), control)) {
        return false;
    }
    const bool plain = name.front() != u'\uFEFF' && name.find_first_of(separators) == name.npos &&
                       (!trim || (name.front() != u' ' && name.back() != u' '));
    const bool quotable = name.find(u'"') == name.npos && separators.find(u'"') == name.npos;
    return plain || quotable;
}

// Names of one key hash under the in-memory comparison, made once for each case rule: so many
// that comparing them pair by pair would take far longer than the run may.
const std::vector<std::u16string>& colliding(CaseRule rule) {
    static const MemoryCollation collation;
    static const std::vector<std::u16string> without_case =
        testing::colliding_names(collation, CaseRule::Insensitive, 20000);
    static const std::vector<std::u16string> with_case =
        testing::colliding_names(collation, CaseRule::Sensitive, 20000);
    return rule == CaseRule::Insensitive ? without_case : with_case;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const std::uint8_t flags = in.byte();
    const bool trim = (flags & 1) != 0;
    const CaseRule rule = (flags & 2) != 0 ? CaseRule::Sensitive : CaseRule::Insensitive;
    const FullPathRoot full_path_root = (flags & 4) != 0 ? windows_full_path_root : nullptr;
    const std::uint8_t extra = in.byte();
    const bool long_list = extra >= 0xFE;
    const bool long_list_colliding = extra == 0xFE;
    const std::size_t width = 3 + (flags >> 3) * 3;

    const std::u16string separators = in.spelled(4);
    std::vector<std::u16string> items;
    for (std::u16string item = in.spelled(12); !item.empty(); item = in.spelled(12)) {
        items.push_back(item);
    }
    std::u16string text = in.spelled(600);
    if (!long_list) {
        const std::vector<std::u16string>& crafted = colliding(rule);
        for (std::size_t i = 0; i < (extra & 0x0F); ++i) {
            text += u"\n" + crafted[i];
        }
        items.insert(items.end(), crafted.begin(), crafted.begin() + (extra >> 4 & 3));
    }
    if (long_list_colliding) {
        text.clear();
        for (const std::u16string& name : colliding(rule)) {
            text += name + u"\n";
        }
    } else if (long_list) {
        // A hundred thousand lines, each name made distinct by its number.
        const std::u16string line = text.empty() ? u"n" : text.substr(0, 8);
        text.clear();
        for (int i = 0; i < 100000; ++i) {
            const std::string number = std::to_string(i);
            text += line + std::u16string(number.begin(), number.end()) + u"\n";
        }
    }

    testing::ListPanel panel(items);
    testing::FixedClipboard clipboard;
    clipboard.content = ClipboardContent{text, {}};
    testing::MapSettings settings;
    settings.texts[kAddSeparators] = separators;
    settings.numbers[kTrimSpaces] = trim ? 1 : 0;
    settings.numbers[kCaseSensitive] = rule == CaseRule::Sensitive ? 1 : 0;
    const MemoryCollation collation;
    testing::EnglishTexts texts;
    testing::RecordingView view;
    view.width = width;
    view.answers = {{true, 0}};
    run_report_command(
        {panel, clipboard, settings, collation, u'\\', ParentEntry::LikeAnyItem, full_path_root},
        view, texts);

    // What comparing each name with every item finds (a long list is checked by its length).
    const NameList names = long_list ? NameList{} : parse_names(text, separators, trim);
    std::vector<std::u16string> expected;
    std::size_t distinct = 0;
    {
        std::vector<std::u16string> seen;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const auto equal = [&](const std::u16string& other) {
                return collation.equal(other, names[i], rule);
            };
            distinct += std::none_of(seen.begin(), seen.end(), equal) ? 1 : 0;
            seen.emplace_back(names[i]);
            const NameList alone = {names[i]};
            PlainMatcher plain(alone, rule, collation, {u'\\', full_path_root});
            const bool found = std::any_of(items.begin(), items.end(), [&](const auto& item) {
                return plain.count_matches({item.c_str(), u""}) != 0;
            });
            if (!found && std::none_of(expected.begin(), expected.end(), equal)) {
                expected.emplace_back(names[i]);
            }
        }
    }

    require(!view.shown.empty(), "the command shows something");
    const testing::RecordingView::Shown& first = view.shown.front();
    for (std::size_t i = 0; first.list && i < std::min(first.lines.size(), kNamesShown); ++i) {
        require(shows_well(first.lines[i], width), "each name shows well");
    }
    if (long_list) {
        // Every line names a number no item holds: far more names are missing than are shown.
        require(first.list && first.lines.size() == kNamesShown + 1, "a long list is cut short");
        require(!long_list_colliding || first.title == u"20000 of 20000 names not found",
                "names of one key hash are told apart");
        require(view.copied.size() == 1, "the copy key copies");
        const NameList copied = parse_names(view.copied[0], separators, trim);
        require(copied.size() > kNamesShown, "the copy holds every missing name");
        const bool whole = view.shown.at(1).bottom == u"The list is on the clipboard.";
        for (std::size_t i = 0; whole && i < kNamesShown; ++i) {
            require(first.lines[i] == shown_name(copied[i], width), "the copy is what is shown");
        }
        return 0;
    }
    if (names.empty() || expected.empty()) {
        require(!first.list && view.shown.size() == 1, "no list unless a name is missing");
        return 0;
    }
    require(first.list && first.lines.size() == expected.size(), "exactly the missing names");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        require(first.lines[i] == shown_name(expected[i], width), "each missing name, in order");
    }
    const std::u16string title =
        with_numbers(u"%1 of %2 names not found", expected.size(), distinct);
    require(distinct == 1 || first.title == title, "the title counts the names");

    // The copy holds the names it can, and the list then says how many it left out.
    NameList wanted;
    for (const auto& name : expected) {
        if (writable(name, separators, trim)) {
            wanted.push_back(name);
        }
    }
    if (wanted.empty()) {
        require(view.copied.empty(), "a copy of no name leaves the clipboard as it was");
    } else {
        require(view.copied.size() == 1, "the copy key copies");
        require(parse_names(view.copied[0], separators, trim) == wanted,
                "the copy reads back as the missing names it can hold");
    }
    const std::size_t left_out = expected.size() - wanted.size();
    const std::u16string bottom =
        left_out == 0 ? u"The list is on the clipboard."
        : left_out == 1
            ? u"The list is copied, but for 1 name no text can hold."
            : with_numbers(u"The list is copied, but for %1 names no text can hold.", left_out);
    require(view.shown.size() == 2 && view.shown[1].bottom == bottom,
            "the list says what the copy left out");
    return 0;
}
