// The built module in the startup record of each far2l in the field, of a later one, and of sizes
// no far2l known here hands: the command, the list of names not found and the settings dialog in
// each. Every slot that holds no service of the record's far2l is a trap, so a service called
// through another layout's slot shows as a violation.
#include "module_fixture.h"

namespace pickwell::far2l_host {
namespace {

using testing::Far2lMenuAnswer;

struct LayoutCase {
    const char* name;
    testing::Far2lStartupLayout layout;
    bool has_dialog;  // the module can be sure where the dialog services are
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.layout.what << ", " << c.layout.struct_size << " bytes";
}

const LayoutCase kLayouts[] = {
    {"Far2l_2_4", testing::kFar2l24Layout, true},
    {"Far2l_2_6", testing::kFar2l26Layout, true},
    {"Far2l_2_8", testing::kFar2l28Layout, true},
    {"Later", {"a later far2l, one slot more", 284, 188, 196, 204, 212, 700}, true},
    {"Between", {"2.8's cut short, between the layouts", 268, 188, 196, 204, 212, 628}, false},
    {"Shorter", {"2.6's cut short", 200, 180, 188, 196, 204, 532}, false},
};

class LayoutTest : public ModuleTest, public ::testing::WithParamInterface<LayoutCase> {
  protected:
    void SetUp() override {
        host.layout = GetParam().layout;
        host.no_language_file = true;  // the module's English, with its numbers
        ModuleTest::SetUp();
    }
};

TEST_P(LayoutTest, SelectsTheNamedItems) {
    clipboard_put_text(U"b.txt\nC.TXT");
    EXPECT_EQ(run_command({U"a.txt", U"b.txt", U"c.txt"}), (std::vector<int>{0, 1, 1}));
}

TEST_P(LayoutTest, ListsTheNamesNotFoundCopiesThemAndTellsWhenAllWereFound) {
    clipboard_put_text(U"b.txt\nmissing.txt");
    host.menu_answers = {Far2lMenuAnswer::break_key(0), Far2lMenuAnswer::escape()};
    EXPECT_EQ(run_report({U"a.txt", U"b.txt"}), (std::vector<int>{0, 1}));
    ASSERT_EQ(host.menus.size(), 2u);
    EXPECT_EQ(host.menus[0].items, std::vector<std::u32string>{U"missing.txt"});
    EXPECT_EQ(host.menus[1].bottom, U"The list is on the clipboard.");
    EXPECT_EQ(host.copied, std::vector<std::u32string>{U"missing.txt\n"});

    clipboard_put_text(U"a.txt");
    EXPECT_EQ(run_report({U"a.txt"}), std::vector<int>{1});
    ASSERT_EQ(host.message_boxes.size(), 1u);
    EXPECT_EQ(host.message_boxes[0].items,
              (std::vector<std::u32string>{U"Pickwell", U"The name was found; 1 item selected."}));
}

// A 2.7 module read far2l 2.6's DialogRun where it meant DialogInit, and the host crashed.
TEST_P(LayoutTest, TheDialogStoresAndShowsTheSettingsWhereTheRecordSaysItIs) {
    host.dialog.checks[4] = 1;
    host.dialog.edit_text = U";,";
    if (!GetParam().has_dialog) {
        EXPECT_EQ(module().configure(0), far2l::kFalse);
        EXPECT_EQ(host.calls, std::vector<testing::Far2lCall>{});
        EXPECT_FALSE(testing::file_exists(settings_file()));
        return;
    }
    EXPECT_EQ(module().configure(0), far2l::kTrue);
    EXPECT_EQ(testing::read_file(settings_file()),
              "[Settings]\nCaseSensitive=1\nTrimSpaces=1\nAddSeparators=;,\n\n");

    host.dialog = {};
    host.dialog.closed_by = 8;  // Cancel
    EXPECT_EQ(module().configure(0), far2l::kFalse);
    ASSERT_EQ(host.dialog_items.size(), 9u);
    EXPECT_EQ(host.dialog_texts[2], U";,");
    EXPECT_EQ(host.dialog_items[4].Selected, 1);
    EXPECT_EQ(host.dialog_items[5].Selected, 1);
}

INSTANTIATE_TEST_SUITE_P(StartupRecords, LayoutTest, ::testing::ValuesIn(kLayouts),
                         [](const ::testing::TestParamInfo<LayoutCase>& test) {
                             return std::string(test.param.name);
                         });

}  // namespace
}  // namespace pickwell::far2l_host
