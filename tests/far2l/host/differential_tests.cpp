// The built module against the match rule as written, every item compared with every name by
// the same comparison, on seeded random panels.
#include <algorithm>

#include "module_fixture.h"
#include "platform/far2l/collation.h"
#include "platform/far2l/utf32_text.h"
#include "platform/posix/full_path.h"
#include "random_panels.h"
#include "select/name_matcher.h"

namespace pickwell::far2l_host {
namespace {

// FCTL_SETSELECTION calls per item: one per matching name. The host never selects the item
// `..`, and the names `.` and `..` are none; a full path is looked up by its file name.
std::vector<int> plain_counts(const RandomFar2lPanel& panel, bool case_sensitive) {
    NameList names;
    for (const auto& name : panel.names) {
        if (name != U"." && name != U"..") {
            names.push_back(utf16_from_host(name.c_str()));
        }
    }
    const Far2lCollation collation;
    PlainMatcher matcher(names, case_sensitive ? CaseRule::Sensitive : CaseRule::Insensitive,
                         collation, {u'/', posix_full_path_root});
    std::vector<int> counts;
    for (const auto& item : panel.items) {
        const std::u16string name = utf16_from_host(item.c_str());
        counts.push_back(
            item == U".." ? 0 : static_cast<int>(matcher.count_matches({name.c_str(), u""})));
    }
    return counts;
}

class DifferentialTest : public ModuleTest {};

TEST_F(DifferentialTest, CountsAsComparingEveryItemWithEveryName) {
    int marked = 0;  // the panels must meet their names often for the test to mean anything
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        RandomFar2lPanel panel = random_far2l_panel(seed, 40, 40);
        // A folder's panel starts with its parent entry; a pasted `ls -a` with its names.
        panel.items.insert(panel.items.begin(), U"..");
        if (seed % 4 == 0) {
            panel.names.insert(panel.names.begin(), {U".", U".."});
        }
        std::u32string text;
        for (const auto& name : panel.names) {
            text += name + (seed % 2 == 0 ? U"\r\n" : U"\n");
        }
        clipboard_put_text(text);
        for (const bool case_sensitive : {false, true}) {
            testing::write_file(settings_file(), case_sensitive ? "[Settings]\nCaseSensitive=1\n"
                                                                : "[Settings]\nCaseSensitive=0\n");
            const std::vector<int> expected = plain_counts(panel, case_sensitive);
            ASSERT_EQ(run_command(panel.items), expected)
                << "seed " << seed << (case_sensitive ? " with" : " without") << " case";
            marked += static_cast<int>(std::count_if(expected.begin(), expected.end(),
                                                     [](int count) { return count != 0; }));
        }
    }
    EXPECT_GT(marked, 1000);
}

}  // namespace
}  // namespace pickwell::far2l_host
