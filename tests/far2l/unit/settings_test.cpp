// The far2l module's settings file: read afresh, written whole and atomically, never lost to a
// failed write.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/settings.h"
#include "host/command_settings.h"
#include "host/far2l/ini_settings.h"
#include "support/temp_folder.h"

namespace pickwell::testing {
namespace {

class IniSettingsTest : public ::testing::Test {
  protected:
    std::string file() const { return profile / "plugins/pickwell/config.ini"; }

    void write_all(far2l::IniSettingsStore& store, std::u16string_view separators) {
        const auto writing = store.open_for_writing();
        writing->number(kCaseSensitive, 1);
        writing->number(kTrimSpaces, 0);
        writing->text(kAddSeparators, separators);
    }

    TempFolder profile;
};

TEST_F(IniSettingsTest, ReadsWhatItWrote) {
    far2l::IniSettingsStore store(file());
    write_all(store, u" ;\u00A7\U0001F600 ");
    EXPECT_EQ(read_file(file()),
              "[Settings]\nCaseSensitive=1\nTrimSpaces=0\n"
              "AddSeparators=\" ;\xC2\xA7\xF0\x9F\x98\x80 \"\n\n");
    const auto reading = store.open_for_reading();
    EXPECT_EQ(reading->number(kCaseSensitive), 1);
    EXPECT_EQ(reading->number(kTrimSpaces), 0);
    EXPECT_EQ(reading->text(kAddSeparators), u" ;\u00A7\U0001F600 ");
    // No temporary file stays behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(profile / "plugins/pickwell"),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(IniSettingsTest, KeepsWhatItDoesNotOwn) {
    write_file(file(), "[Colors]\nback=1\n\n[Settings]\nTrimSpaces=1\nMine=x\n");
    far2l::IniSettingsStore store(file());
    write_all(store, u";");
    EXPECT_EQ(read_file(file()),
              "[Colors]\nback=1\n\n[Settings]\nTrimSpaces=0\nMine=x\nCaseSensitive=1\n"
              "AddSeparators=;\n");
}

TEST_F(IniSettingsTest, NumbersAreDecimal) {
    const struct {
        const char* stored;
        std::optional<std::int64_t> number;
    } cases[] = {{"1", 1},
                 {"0", 0},
                 {"-3", -3},
                 {"+2", 2},
                 {" 7 ", 7},
                 {"", std::nullopt},
                 {"abc", std::nullopt},
                 {"1.5", std::nullopt},
                 {"0x1", std::nullopt},
                 {"99999999999999999999", std::nullopt}};
    far2l::IniSettingsStore store(file());
    for (const auto& c : cases) {
        write_file(file(), std::string("[Settings]\nCaseSensitive=") + c.stored + "\n");
        EXPECT_EQ(store.open_for_reading()->number(kCaseSensitive), c.number) << c.stored;
    }
}

TEST_F(IniSettingsTest, TextThatIsNoUtf8ReadsAsMissing) {
    write_file(file(), "[Settings]\nAddSeparators=\xFF;\n");
    EXPECT_EQ(far2l::IniSettingsStore(file()).open_for_reading()->text(kAddSeparators),
              std::nullopt);
}

TEST_F(IniSettingsTest, FieldsCountCharactersNotUnits) {
    // 255 characters outside the BMP are 510 UTF-16 units, and still fit a 256-character field.
    std::u16string wide;
    for (int i = 0; i < 255; ++i) {
        wide += u"\U0001F600";
    }
    far2l::IniSettingsStore store(file());
    write_all(store, wide);
    EXPECT_EQ(store.open_for_reading()->text_for_field(kAddSeparators, 256), wide);
    write_all(store, wide + u"x");
    EXPECT_EQ(store.open_for_reading()->text_for_field(kAddSeparators, 256), std::nullopt);
}

TEST_F(IniSettingsTest, AnythingUnusableReadsAsNothingStored) {
    const struct {
        const char* name;
        std::function<void(const std::string&)> make;
    } cases[] = {
        {"missing", [](const std::string&) {}},
        {"empty", [](const std::string& f) { write_file(f, ""); }},
        {"binary", [](const std::string& f) { write_file(f, std::string("\0\xFF[\x01=\n", 6)); }},
        {"unreadable: a folder",
         [](const std::string& f) { std::filesystem::create_directories(f); }},
        {"too large",
         [](const std::string& f) {
             write_file(f, "[Settings]\nCaseSensitive=1\n" + std::string(17 << 20, ';'));
         }},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(profile.path() + "/plugins");
        c.make(file());
        far2l::IniSettingsStore store(file());
        const auto reading = store.open_for_reading();
        EXPECT_EQ(reading->number(kCaseSensitive), std::nullopt) << c.name;
        EXPECT_EQ(reading->text(kAddSeparators), std::nullopt) << c.name;
    }
}

TEST_F(IniSettingsTest, AFailedWriteLeavesTheFileThereWas) {
    // A file that is there but cannot be read is not replaced.
    std::filesystem::create_directories(file());
    write_file(file() + "/inside", "kept");
    {
        far2l::IniSettingsStore store(file());
        write_all(store, u";");
    }
    EXPECT_EQ(read_file(file() + "/inside"), "kept");

    // A folder that cannot be created (a regular file stands in its way) loses the values.
    std::filesystem::remove_all(profile / "plugins");
    write_file(profile / "plugins", "not a folder");
    far2l::IniSettingsStore blocked(file());
    write_all(blocked, u";");
    EXPECT_EQ(read_file(profile / "plugins"), "not a folder");
    EXPECT_EQ(blocked.open_for_reading()->number(kCaseSensitive), std::nullopt);

    // No profile at all: nothing to read, nothing written.
    far2l::IniSettingsStore nowhere(std::nullopt);
    write_all(nowhere, u";");
    EXPECT_EQ(nowhere.open_for_reading()->number(kTrimSpaces), std::nullopt);
}

TEST_F(IniSettingsTest, TheCommandsSeparatorsLoseCharactersOutsideTheBmp) {
    far2l::IniSettingsStore file_store(file());
    write_all(file_store, u";\U0001F600,");
    CommandSettingsStore store(file_store);
    const auto reading = store.open_for_reading();
    EXPECT_EQ(reading->text(kAddSeparators), u";,");
    EXPECT_EQ(reading->number(kCaseSensitive), 1);
    EXPECT_EQ(reading->text_for_field(kAddSeparators, 256), u";\U0001F600,");
}

}  // namespace
}  // namespace pickwell::testing
