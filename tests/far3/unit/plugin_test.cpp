// The Far 3 module's face to the host: who it says it is, the records it copies and fills, and
// which calls it answers at all.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "fixture.h"

namespace pickwell::testing {
namespace {

constexpr std::uint8_t kUntouched = 0xA5;

TEST(Far3Describe, FillsTheFieldsItHasAndNothingPastTheStatedSize) {
    struct Case {
        const char* what;
        std::size_t stated_size;
        bool filled;
    };
    const Case cases[] = {
        {"a record of this interface", sizeof(far3::GlobalInfo), true},
        {"an older host's, without Instance", 88, true},
        {"one too short for Author", 87, false},
        {"no size at all", 0, false},
    };
    for (const Case& c : cases) {
        far3::GlobalInfo info;
        std::memset(&info, kUntouched, sizeof info);
        info.StructSize = c.stated_size;
        far3::describe_module(&info);

        void* instance;
        std::memset(&instance, kUntouched, sizeof instance);
        EXPECT_EQ(info.Instance, instance) << c.what;
        EXPECT_EQ(info.StructSize, c.stated_size) << c.what;
        if (!c.filled) {
            EXPECT_NE(info.Guid, far3::kPluginGuid) << c.what;
            continue;
        }
        const auto version = [](const far3::VersionInfo& v) {
            return std::vector<far3::Dword>{v.Major, v.Minor, v.Revision, v.Build, v.Stage};
        };
        EXPECT_EQ(version(info.MinFarVersion), (std::vector<far3::Dword>{3, 0, 0, 3462, 0}));
        EXPECT_EQ(version(info.Version), (std::vector<far3::Dword>{2, 10, 0, 0, 0}));
        EXPECT_EQ(info.Guid, far3::kPluginGuid);
        EXPECT_EQ(std::u16string(info.Title), u"Pickwell");
        EXPECT_EQ(std::u16string(info.Author), u"Zentro");
        const std::u16string description = info.Description;
        EXPECT_FALSE(description.empty());
        EXPECT_EQ(description.find(u'\n'), std::u16string::npos);
    }
    far3::describe_module(nullptr);
}

class Far3Startup : public Far3PluginTest {};

// The host's records in buffers of exactly the size they state, so that a read past them is a
// fault under the sanitizers; after the call the host reuses both.
TEST_F(Far3Startup, CopiesNoMoreOfEachRecordThanItStates) {
    struct Case {
        std::size_t startup_size;
        std::size_t functions_size;
    };
    const Case cases[] = {{264, 376}, {272, 384}, {280, 400}, {4096, 4096}};
    for (const Case& c : cases) {
        far3::PluginStartupInfo full = host.startup_info();
        full.StructSize = c.startup_size;
        host.functions.StructSize = c.functions_size;
        auto functions = std::make_unique<std::byte[]>(c.functions_size);
        std::memcpy(functions.get(), &host.functions,
                    std::min(c.functions_size, sizeof host.functions));
        full.FSF = static_cast<const far3::FarStandardFunctions*>(
            static_cast<const void*>(functions.get()));
        auto startup = std::make_unique<std::byte[]>(c.startup_size);
        std::memcpy(startup.get(), &full, std::min(c.startup_size, sizeof full));
        plugin.set_startup_info(
            static_cast<const far3::PluginStartupInfo*>(static_cast<const void*>(startup.get())));
        std::memset(startup.get(), 0, c.startup_size);
        std::memset(functions.get(), 0, c.functions_size);
        startup.reset();
        functions.reset();

        const far3::PluginStartupInfo& kept = plugin.host().info();
        EXPECT_EQ(kept.StructSize, c.startup_size);
        ASSERT_NE(kept.FSF, nullptr);
        EXPECT_EQ(kept.FSF->StructSize, c.functions_size);
        host.items = {{u"a.txt", {}, {}, false}};
        EXPECT_EQ(select_with_text(u"a.txt"), std::vector{0}) << c.startup_size;
    }
}

TEST_F(Far3Startup, WithoutAUsableRecordEveryEntryPointDoesNothing) {
    clipboard.put_text(u"a.txt");
    host.items = {{u"a.txt", {}, {}, false}};
    const auto expect_inert = [&](const char* what) {
        far3::PluginInfo info{};
        info.StructSize = sizeof info;
        plugin.get_plugin_info(&info);
        EXPECT_EQ(info.PluginMenu.Count, 0u) << what;
        EXPECT_EQ(open(far3::OPEN_PLUGINSMENU), nullptr) << what;
        EXPECT_EQ(open(far3::OPEN_FROMMACRO), nullptr) << what;
        const far3::ConfigureInfo item{sizeof item, &far3::kConfigGuid, nullptr};
        EXPECT_EQ(plugin.configure(&item), far3::kFalse) << what;
        EXPECT_TRUE(host.calls.empty()) << what;
        EXPECT_EQ(clipboard.times_opened(), 0) << what;
    };
    expect_inert("before the host starts it");

    plugin.set_startup_info(nullptr);
    expect_inert("after a null record");

    start();
    far3::PluginStartupInfo short_record = host.startup_info();
    short_record.StructSize = offsetof(far3::PluginStartupInfo, SettingsControl) + 7;
    plugin.set_startup_info(&short_record);
    expect_inert("after a record that ends inside SettingsControl");
}

class Far3Menus : public Far3PluginTest {
  protected:
    Far3Menus() { start(); }
};

TEST_F(Far3Menus, PublishesItsEntriesUnderTheirOwnGuids) {
    // An older host's record: no Instance; its slot here must stay as it is.
    far3::PluginInfo info;
    std::memset(&info, kUntouched, sizeof info);
    info.StructSize = offsetof(far3::PluginInfo, Instance);
    plugin.get_plugin_info(&info);

    EXPECT_EQ(info.StructSize, offsetof(far3::PluginInfo, Instance));
    EXPECT_EQ(info.Flags, 0u);
    EXPECT_EQ(info.DiskMenu.Count, 0u);
    EXPECT_EQ(info.DiskMenu.Guids, nullptr);
    EXPECT_EQ(info.CommandPrefix, nullptr);
    ASSERT_EQ(info.PluginMenu.Count, 2u);
    ASSERT_EQ(info.PluginConfig.Count, 1u);
    EXPECT_EQ(info.PluginMenu.Guids[0], far3::kMenuGuid);
    EXPECT_EQ(info.PluginMenu.Guids[1], far3::kReportMenuGuid);
    EXPECT_EQ(info.PluginConfig.Guids[0], far3::kConfigGuid);
    EXPECT_EQ(info.PluginMenu.Strings, info.PluginConfig.Strings);
    EXPECT_EQ(info.PluginMenu.Strings[0], ScriptedTexts::message_text(4));
    EXPECT_EQ(info.PluginMenu.Strings[1], host.text_of(9));
    void* untouched;
    std::memset(&untouched, kUntouched, sizeof untouched);
    EXPECT_EQ(info.Instance, untouched);

    // Each call fetches the texts anew, into the same slots.
    host.messages = {u"", u"", u"", u"", u"Another language", u"", u"", u"", u"", u"Second"};
    far3::PluginInfo again{};
    again.StructSize = sizeof again;
    plugin.get_plugin_info(&again);
    EXPECT_EQ(again.PluginMenu.Strings, info.PluginMenu.Strings);
    EXPECT_EQ(std::u16string(info.PluginMenu.Strings[0]), u"Another language");
    EXPECT_EQ(std::u16string(info.PluginMenu.Strings[1]), u"Second");
    const Far3Call first{Far3Service::GetMsg, 4, 0, 0, u""};
    const Far3Call second{Far3Service::GetMsg, 9, 0, 0, u""};
    EXPECT_EQ(host.calls, (std::vector{first, second, first, second}));

    far3::PluginInfo too_short{};
    too_short.StructSize = offsetof(far3::PluginInfo, CommandPrefix);
    plugin.get_plugin_info(&too_short);
    EXPECT_EQ(too_short.PluginMenu.Count, 0u);
    plugin.get_plugin_info(nullptr);
}

TEST_F(Far3Menus, AnswersOnlyTheCallsItPublished) {
    clipboard.put_text(u"a.txt");
    host.items = {{u"a.txt", {}, {}, false}};
    for (const int open_from : {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 100}) {
        EXPECT_EQ(open(open_from), nullptr) << open_from;
    }
    // Records that end before the item chosen or a macro's arguments.
    for (const std::size_t size :
         {offsetof(far3::OpenInfo, OpenFrom), offsetof(far3::OpenInfo, Data)}) {
        const far3::OpenInfo too_short{size, far3::OPEN_PLUGINSMENU, &far3::kMenuGuid, 0, nullptr};
        EXPECT_EQ(plugin.open(&too_short), nullptr);
    }
    EXPECT_EQ(plugin.open(nullptr), nullptr);

    for (const far3::Uuid* guid : {&far3::kMenuGuid, &far3::kPluginGuid, &far3::kDialogGuid,
                                   static_cast<const far3::Uuid*>(nullptr)}) {
        const far3::ConfigureInfo item{sizeof item, guid, nullptr};
        EXPECT_EQ(plugin.configure(&item), far3::kFalse);
    }
    const far3::ConfigureInfo too_short_item{offsetof(far3::ConfigureInfo, Guid),
                                             &far3::kConfigGuid, nullptr};
    EXPECT_EQ(plugin.configure(&too_short_item), far3::kFalse);
    EXPECT_EQ(plugin.configure(nullptr), far3::kFalse);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(clipboard.times_opened(), 0);
}

}  // namespace
}  // namespace pickwell::testing
