// Macro calls through Far 3's OpenW: Plugin.Call's arguments, what the macro gets back, and the
// argument lists the module refuses.
#include <gtest/gtest.h>

#include "core/settings.h"
#include "fixture.h"

namespace pickwell::testing {
namespace {

using Values = std::vector<MacroValue>;
using Arguments = std::vector<far3::FarMacroValue>;

class Far3Macro : public Far3PluginTest {
  protected:
    Far3Macro() {
        start();
        for (const char16_t* name : {u"a.txt", u"b.txt", u"c.txt"}) {
            host.items.push_back({name, std::nullopt, std::nullopt, false});
        }
        clipboard.put_text(u"b.txt\r\nclip.txt");
    }

    std::optional<Values> call(Arguments arguments) {
        return macro_values(call_macro(std::move(arguments)));
    }
};

TEST_F(Far3Macro, SelectsTheNamesOfTheClipboardOrOfTheTextGiven) {
    struct Case {
        const char* what;
        Arguments arguments;
        Values answer;
        std::vector<int> selected;
    };
    const Case cases[] = {
        {"no arguments: the clipboard", {}, {macro_number(1)}, {1}},
        {"Select and a text",
         {macro_string(u"Select"), macro_string(u"a.txt\r\nC.TXT\r\nnone")},
         {macro_number(2)},
         {0, 2}},
        {"the word in any ASCII case",
         {macro_string(u"sELECT"), macro_string(u"a.txt")},
         {macro_number(1)},
         {0}},
        {"an empty text", {macro_string(u"Select"), macro_string(u"")}, {macro_number(0)}, {}},
        {"NotFound: the clipboard",
         {macro_string(u"NotFound")},
         {macro_number(1), macro_array({u"clip.txt"})},
         {1}},
        {"NotFound and a text, in its order, each name once as first written",
         {macro_string(u"notfound"), macro_string(u"z\r\na.txt\r\ny\r\nZ\r\nz\r\nc.txt")},
         {macro_number(2), macro_array({u"z", u"y"})},
         {0, 2}},
        {"NotFound and a text of full paths: by their file names, listed as given",
         {macro_string(u"NotFound"),
          macro_string(u"C:\\in\\a.txt\r\nD:\\x\\c.txt\r\nC:\\in\\z\r\nD:\\x\\z\r\nc:\\IN\\Z")},
         {macro_number(2), macro_array({u"C:\\in\\z", u"D:\\x\\z"})},
         {0, 2}},
        {"NotFound, every name found: an empty table",
         {macro_string(u"NOTFOUND"), macro_string(u"a.txt")},
         {macro_number(1), macro_array({})},
         {0}},
        {"NotFound, no names at all",
         {macro_string(u"NotFound"), macro_string(u" \r\n")},
         {macro_number(0), macro_array({})},
         {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(call(c.arguments), c.answer) << c.what;
        EXPECT_EQ(host.selected_indices(), c.selected) << c.what;
        EXPECT_TRUE(host.menus.empty() && host.message_boxes.empty()) << c.what;
    }
}

TEST_F(Far3Macro, TheTableHoldsTheNamesAsTaken) {
    host.settings[kAddSeparators] = string_setting(u";");
    host.settings[kTrimSpaces] = qword_setting(0);
    EXPECT_EQ(call({macro_string(u"NotFound"), macro_string(u" x ;\"q;r\";W & Z;b.txt")}),
              (Values{macro_number(1), macro_array({u" x ", u"q;r", u"W & Z"})}));
}

TEST_F(Far3Macro, ATextGivenLeavesTheClipboardAlone) {
    clipboard.hold_elsewhere(true);
    EXPECT_EQ(call({macro_string(u"Select"), macro_string(u"c.txt")}), Values{macro_number(1)});
    EXPECT_EQ(call({macro_string(u"NotFound"), macro_string(u"c.txt")}),
              (Values{macro_number(1), macro_array({})}));
    EXPECT_EQ(clipboard.times_opened(), 0);

    // Without a text the held clipboard stops the command: false.
    EXPECT_EQ(call({}), std::nullopt);
    EXPECT_EQ(call({macro_string(u"NotFound")}), std::nullopt);
}

TEST_F(Far3Macro, FalseWhenTheCommandCannotRun) {
    host.panel_type = 1;  // a tree panel
    for (const Arguments& arguments :
         {Arguments{}, Arguments{macro_string(u"Select"), macro_string(u"a.txt")},
          Arguments{macro_string(u"NotFound")},
          Arguments{macro_string(u"NotFound"), macro_string(u"a.txt")}}) {
        EXPECT_EQ(call(arguments), std::nullopt) << arguments.size();
        EXPECT_EQ(host.calls, std::vector{panel_call(far3::FCTL_GETPANELINFO, 0, 1)});
    }
    EXPECT_TRUE(host.menus.empty() && host.message_boxes.empty());
}

TEST_F(Far3Macro, AnyOtherArgumentsAreFalseAndTouchNothing) {
    const far3::FarMacroValue select = macro_string(u"Select");
    const far3::FarMacroValue not_found = macro_string(u"NotFound");
    const far3::FarMacroValue text = macro_string(u"a.txt");
    struct Case {
        const char* what;
        Arguments arguments;
    };
    const Case cases[] = {
        {"Select without a text", {select}},
        {"a Lua number for the text", {select, macro_double(1)}},
        {"an integer for the text", {select, macro_value_of_type(far3::FMVT_INTEGER)}},
        {"nil for the text", {not_found, macro_value_of_type(far3::FMVT_NIL)}},
        {"a boolean for the text", {not_found, macro_value_of_type(far3::FMVT_BOOLEAN)}},
        {"a null string for the text", {select, macro_string(nullptr)}},
        {"one argument too many", {select, text, text}},
        {"an unknown word", {macro_string(u"Frobnicate"), text}},
        {"a word that only starts like one", {macro_string(u"SelectAll"), text}},
        {"a word spelt apart", {macro_string(u"Not Found")}},
        {"a word with a non-ASCII capital", {macro_string(u"ſelect"), text}},
        {"a text in the word's place", {text}},
        {"a number in the word's place", {macro_double(2)}},
        {"nil in the word's place", {macro_value_of_type(far3::FMVT_NIL)}},
        {"a null string in the word's place", {macro_string(nullptr), text}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(call(c.arguments), std::nullopt) << c.what;
        EXPECT_TRUE(host.calls.empty()) << c.what;
    }

    // Argument records the host would never pass, but that must not be read past.
    Arguments arguments = {not_found};
    for (const far3::OpenMacroInfo& info :
         {far3::OpenMacroInfo{sizeof(far3::OpenMacroInfo) - 1, 1, arguments.data()},
          far3::OpenMacroInfo{sizeof(far3::OpenMacroInfo), 1, nullptr},
          far3::OpenMacroInfo{0, 0, nullptr}}) {
        EXPECT_EQ(open(far3::OPEN_FROMMACRO, nullptr, reinterpret_cast<far3::IntPtr>(&info)),
                  nullptr);
    }
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(clipboard.times_opened(), 0);
}

}  // namespace
}  // namespace pickwell::testing
