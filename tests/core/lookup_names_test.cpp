// What a name of the list is looked up by, under each system's syntax of full paths.
#include "select/lookup_names.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/posix/full_path.h"
#include "platform/win32/full_path.h"
#include "support/narrow.h"

namespace pickwell::testing {
namespace {

constexpr PathSyntax kWindows = {u'\\', windows_full_path_root};
constexpr PathSyntax kPosix = {u'/', posix_full_path_root};
constexpr PathSyntax kWithoutFullPaths = {u'\\'};  // Far 2, and every plug-in panel

TEST(LookupNames, AFullPathIsLookedUpByItsFileName) {
    // `looked_up`: what the name is looked up by, in the item's leaf unless `whole`.
    struct Case {
        PathSyntax syntax;
        std::u16string name;
        std::u16string looked_up;
        bool whole;
    };
    const Case cases[] = {
        // What Explorer's "Copy as path", dir /s /b and the like give.
        {kWindows, u"C:\\Photos\\a.jpg", u"a.jpg", false},
        {kWindows, u"d:\\a.jpg", u"a.jpg", false},
        {kWindows, u"\\\\server\\share\\dir\\a.jpg", u"a.jpg", false},
        {kWindows, u"\\\\?\\C:\\Photos\\a.jpg", u"a.jpg", false},
        {kWindows, u"\\\\?\\UNC\\server\\share\\a.jpg", u"a.jpg", false},
        {kWindows, u"\\\\.\\C:\\a.jpg", u"a.jpg", false},
        {kWindows, u"\\\\?\\Volume{1b3b}\\a.jpg", u"a.jpg", false},
        {kWindows, u"C:\\x\\..\\y\\a.jpg", u"a.jpg", false},
        // A folder given with its separator, by its last folder name.
        {kWindows, u"C:\\Photos\\", u"Photos", false},
        {kWindows, u"\\\\server\\share\\dir\\", u"dir", false},
        // Roots alone and a folder's own entries are compared whole.
        {kWindows, u"C:\\", u"C:\\", true},
        {kWindows, u"\\\\server\\share\\", u"\\\\server\\share\\", true},
        {kWindows, u"\\\\server\\share", u"\\\\server\\share", true},
        {kWindows, u"\\\\?\\C:\\", u"\\\\?\\C:\\", true},
        {kWindows, u"\\\\?\\unc\\server\\share\\", u"\\\\?\\unc\\server\\share\\", true},
        {kWindows, u"C:\\x\\..", u"C:\\x\\..", true},
        {kWindows, u"C:\\x\\..\\", u"C:\\x\\..\\", true},
        {kWindows, u"C:\\x\\.", u"C:\\x\\.", true},
        {kWindows, u"C:\\x\\\\", u"C:\\x\\\\", true},
        // No full path: as a name always was.
        {kWindows, u"sub\\file.txt", u"sub\\file.txt", true},
        {kWindows, u"\\dir\\a.jpg", u"\\dir\\a.jpg", true},
        {kWindows, u"1:\\a.jpg", u"1:\\a.jpg", true},
        {kWindows, u"\\\\\\a.jpg", u"\\\\\\a.jpg", true},
        {kWindows, u"C:a.jpg", u"C:a.jpg", false},
        {kWindows, u"C:/Photos/a.jpg", u"C:/Photos/a.jpg", false},  // only backslashes separate
        {kWindows, u"a.jpg", u"a.jpg", false},
        // What find "$PWD", realpath and ls -d "$PWD"/* give.
        {kPosix, u"/home/u/Photos/a.jpg", u"a.jpg", false},
        {kPosix, u"/lead.txt", u"lead.txt", false},
        {kPosix, u"//srv/a.jpg", u"a.jpg", false},
        {kPosix, u"/home/u/a\\b", u"a\\b", false},
        {kPosix, u"/home/u/Photos/", u"Photos", false},
        {kPosix, u"/", u"/", true},
        {kPosix, u"//", u"//", true},
        {kPosix, u"/home/u/..", u"/home/u/..", true},
        {kPosix, u"/home/u/./", u"/home/u/./", true},
        {kPosix, u"/..", u"/..", true},
        {kPosix, u"u/a.jpg", u"u/a.jpg", true},
        {kPosix, u"./a.jpg", u"./a.jpg", true},
        {kPosix, u"C:\\Photos\\a.jpg", u"C:\\Photos\\a.jpg", false},
        // Without a syntax of full paths every name with a separator is compared whole.
        {kWithoutFullPaths, u"C:\\Photos\\a.jpg", u"C:\\Photos\\a.jpg", true},
    };
    for (const Case& c : cases) {
        // Each behind a name that is no full path, so that the list's buffer holds more than it.
        const NameList names = {u"x", c.name};
        const LookupNames lookup(names, c.syntax);
        const std::u16string_view text = lookup[1];
        EXPECT_EQ(narrow(text), narrow(c.looked_up)) << narrow(c.name);
        EXPECT_EQ(lookup.has_separator(1), c.whole) << narrow(c.name);
        EXPECT_EQ(lookup.with_separator(), c.whole ? 1u : 0u) << narrow(c.name);
        EXPECT_EQ(lookup.by_part(1), c.looked_up != c.name) << narrow(c.name);
        // A C string, which the list's buffer holds where it can.
        EXPECT_EQ(text.data()[text.size()], u'\0') << narrow(c.name);
        if (lookup.start_of(1) != LookupNames::kKeptApart) {
            EXPECT_EQ(names.text_at(lookup.start_of(1)), text.data()) << narrow(c.name);
        } else {
            EXPECT_TRUE(c.name.ends_with(c.syntax.separator)) << narrow(c.name);
        }
        EXPECT_EQ(lookup[0], u"x");
        EXPECT_EQ(names.text_at(lookup.start_of(0)), lookup[0].data());
    }
}

// Folder names kept apart stay where they are while more are kept.
TEST(LookupNames, ManyFoldersGivenWithTheirSeparator) {
    NameList names;
    for (int i = 0; i < 1000; ++i) {
        const std::string number = std::to_string(i);
        names.push_back(u"/d/" + std::u16string(number.begin(), number.end()) + u"/");
    }
    const LookupNames lookup(names, kPosix);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string number = std::to_string(i);
        ASSERT_EQ(lookup[i], std::u16string(number.begin(), number.end()));
        ASSERT_EQ(lookup[i].data()[lookup[i].size()], u'\0');
    }
}

}  // namespace
}  // namespace pickwell::testing
