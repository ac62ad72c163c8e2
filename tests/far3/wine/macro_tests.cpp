// Plugin.Call through the real Far 3 DLL's OpenW with the host's argument record: a text given
// by the macro, the table of names not found, arguments it refuses, and the answer's memory.
#include <string>

#include "host_session.h"
#include "windows/real_clipboard.h"

namespace wine_test {
namespace {

using pickwell::testing::macro_array;
using pickwell::testing::macro_double;
using pickwell::testing::macro_number;
using pickwell::testing::macro_string;
using pickwell::testing::macro_value_of_type;
using pickwell::testing::MacroValue;
using Values = std::vector<MacroValue>;
using Arguments = std::vector<far3::FarMacroValue>;

// Plugin.Call(PluginGuid, ...) as the host passes it to OpenW.
far3::Handle call(Far3Session& session, Arguments arguments) {
    const far3::OpenMacroInfo info{sizeof info, arguments.size(), arguments.data()};
    return session.open(far3::OPEN_FROMMACRO, nullptr, reinterpret_cast<far3::IntPtr>(&info));
}

std::optional<Values> answer(Far3Session& session, Arguments arguments) {
    return pickwell::testing::macro_values(call(session, std::move(arguments)));
}

WINE_TEST(macro_selects_the_names_of_the_text_it_passes) {
    Far3Session session;
    session.panel({u"a.txt", u"b.txt", u"c.txt"});
    put_on_clipboard({text_block(u"b.txt")});
    CHECK(answer(session, {macro_string(u"select"), macro_string(u"A.TXT\r\nc.txt\r\nnone")}) ==
          Values{macro_number(2)});
    CHECK_EQ(session.host.selections(), (std::vector{1, 0, 1}));

    // Without arguments, the clipboard as before.
    CHECK(answer(session, {}) == Values{macro_number(1)});
    CHECK_EQ(session.host.selections(), (std::vector{0, 1, 0}));
}

WINE_TEST(macro_gets_the_names_not_found_as_a_table) {
    Far3Session session;
    session.panel({u"a.txt", u"b.txt", u"c.txt"});
    put_on_clipboard({text_block(u"x.txt\r\nb.txt\r\nStraße.txt\r\nX.TXT")});
    const Values from_clipboard = {macro_number(1), macro_array({u"x.txt", u"Straße.txt"})};
    CHECK(answer(session, {macro_string(u"NotFound")}) == from_clipboard);

    CHECK(answer(session, {macro_string(u"NOTFOUND"), macro_string(u"a.txt\r\n\"q;r\"")}) ==
          (Values{macro_number(1), macro_array({u"q;r"})}));
    CHECK(answer(session, {macro_string(u"NotFound"), macro_string(u"")}) ==
          (Values{macro_number(0), macro_array({})}));
    // Full paths, found by their file names and listed as they were given.
    CHECK(answer(session, {macro_string(u"NotFound"),
                           macro_string(u"C:\\in\\a.txt\r\n\\\\srv\\s\\C.TXT\r\nC:\\in\\x.txt")}) ==
          (Values{macro_number(2), macro_array({u"C:\\in\\x.txt"})}));
    CHECK(session.host.menus.empty() && session.host.message_boxes.empty());
}

WINE_TEST(macro_arguments_it_does_not_take_give_false_and_touch_nothing) {
    Far3Session session;
    session.panel({u"a.txt"});
    put_on_clipboard({text_block(u"a.txt")});
    const Arguments refused[] = {
        {macro_string(u"Select")},
        {macro_string(u"Select"), macro_double(1)},
        {macro_string(u"NotFound"), macro_value_of_type(far3::FMVT_NIL)},
        {macro_string(u"NotFound"), macro_string(u"a.txt"), macro_string(u"a.txt")},
        {macro_string(u"Unknown")},
        {macro_double(7)},
        {macro_string(nullptr)},
    };
    for (const Arguments& arguments : refused) {
        CHECK(call(session, arguments) == nullptr);
        CHECK(session.host.calls.empty());
    }
}

WINE_TEST(macro_answers_are_freed_by_their_callback) {
    Far3Session session;
    if (!CHECK(count_heap_blocks())) {
        return;
    }
    session.panel({u"a.txt", u"b.txt"});
    std::u16string names;
    for (int i = 0; i < 2000; ++i) {
        const std::string number = std::to_string(i);
        names += u"missing name ";
        names.append(number.begin(), number.end());
        names += u".txt\r\n";
    }
    put_on_clipboard({text_block(names + u"a.txt")});
    const long long before = open_handles().heap_blocks;
    for (const Arguments& arguments :
         {Arguments{}, Arguments{macro_string(u"NotFound")},
          Arguments{macro_string(u"NotFound"), macro_string(names.c_str())},
          Arguments{macro_string(u"Select"), macro_string(names.c_str())}}) {
        const far3::Handle result = call(session, arguments);
        // The answer lives on the heap until the host is done with it...
        CHECK(result != nullptr && open_handles().heap_blocks > before);
        // ... and its callback frees all of it.
        CHECK(pickwell::testing::macro_values(result).has_value());
        CHECK_EQ(open_handles().heap_blocks, before);
    }
    // Nothing is held when the answer is false: the host calls no callback then.
    session.host.panel_type = 1;  // a tree panel
    CHECK(call(session, {macro_string(u"NotFound")}) == nullptr);
    CHECK(call(session, {macro_string(u"NotFound"), macro_double(1)}) == nullptr);
    CHECK_EQ(open_handles().heap_blocks, before);
}

}  // namespace
}  // namespace wine_test
