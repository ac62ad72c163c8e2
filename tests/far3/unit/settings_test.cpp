// The three settings in Far 3's own store: read as stored or as their defaults, through one
// handle per reading and per writing that is always freed.
#include <gtest/gtest.h>

#include "core/settings.h"
#include "fixture.h"

namespace pickwell::testing {
namespace {

using far3::SCTL_CREATE;

class Far3Settings : public Far3PluginTest {
  protected:
    Far3Settings() { start(); }

    std::vector<std::int64_t> settings_commands() const {
        std::vector<std::int64_t> commands;
        for (const Far3Call& call : host.calls_of(Far3Service::SettingsControl)) {
            commands.push_back(call.command);
        }
        return commands;
    }
};

TEST_F(Far3Settings, TheCommandReadsAnyStoredNumberAsItIs) {
    host.items = {{u"a.txt", {}, {}, false}};
    struct Case {
        const char* what;
        std::optional<Far3Setting> stored;
        bool case_sensitive;
    };
    const Case cases[] = {
        {"missing: off", std::nullopt, false},
        {"0", qword_setting(0), false},
        {"1", qword_setting(1), true},
        {"2 is on", qword_setting(2), true},
        {"a number above 32 bits is on", qword_setting(std::uint64_t{1} << 32), true},
        {"the text 1, as the host converts it", string_setting(u"1"), true},
        {"the text 0", string_setting(u"0"), false},
        {"a text that is no number", string_setting(u"on"), false},
    };
    for (const Case& c : cases) {
        host.settings.erase(kCaseSensitive);
        if (c.stored) {
            host.settings[kCaseSensitive] = *c.stored;
        }
        EXPECT_EQ(select_with_text(u"A.TXT"),
                  c.case_sensitive ? std::vector<int>{} : std::vector<int>{0})
            << c.what;
    }
}

TEST_F(Far3Settings, TheCommandUsesTheSeparatorAndTrimSettings) {
    host.items = {{u"a", {}, {}, false}, {u" b ", {}, {}, false}, {u"c", {}, {}, false}};
    host.settings[kAddSeparators] = string_setting(u";");
    host.settings[kTrimSpaces] = qword_setting(0);
    EXPECT_EQ(select_with_text(u"a; b ;c"), (std::vector{0, 1, 2}));
}

TEST_F(Far3Settings, TheCommandIgnoresSeparatorsOutsideTheBmp) {
    // Kept, the two halves of U+1F600 would split at U+1F603 too; the dialog still shows it.
    host.items = {{u"photo\U0001F603.jpg", {}, {}, false},
                  {u"photo", {}, {}, false},
                  {u"a\U0001F600b", {}, {}, false},
                  {u"a", {}, {}, false},
                  {u"c", {}, {}, false}};
    host.settings[kAddSeparators] = string_setting(u";\U0001F600");
    EXPECT_EQ(select_with_text(u"photo\U0001F603.jpg;a\U0001F600b;c"), (std::vector{0, 2, 4}));
    host.dialog.closed_by = -1;
    EXPECT_EQ(configure(), far3::kFalse);
    EXPECT_EQ(host.edit_text_at_init, u";\U0001F600");
}

TEST_F(Far3Settings, AStoreThatCannotBeOpenedReadsAsTheDefaultsAndLosesItsWrites) {
    host.settings[kCaseSensitive] = qword_setting(1);
    host.settings_create_fails = true;
    host.items = {{u"a.txt", {}, {}, false}};
    EXPECT_EQ(select_with_text(u"A.TXT"), std::vector{0});
    EXPECT_EQ(settings_commands(), std::vector<std::int64_t>{SCTL_CREATE});

    host.dialog.checks[4] = 0;
    EXPECT_EQ(configure(), far3::kTrue);
    EXPECT_EQ(settings_commands(), (std::vector<std::int64_t>{SCTL_CREATE, SCTL_CREATE}));
    EXPECT_EQ(host.settings,
              (std::map<std::u16string, Far3Setting>{{kCaseSensitive, qword_setting(1)}}));
}

TEST_F(Far3Settings, WritesTheHostRefusesAreLostAndTheHandleStillFreed) {
    host.settings_writes_fail = true;
    EXPECT_EQ(configure(), far3::kTrue);
    EXPECT_TRUE(host.settings.empty());
    EXPECT_EQ(host.settings_opened, 2);
}

}  // namespace
}  // namespace pickwell::testing
