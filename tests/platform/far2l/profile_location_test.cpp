// Where far2l's profile, and with it the module's settings file, is.
#include <gtest/gtest.h>

#include "platform/far2l/profile_location.h"

namespace pickwell {
namespace {

TEST(ProfileLocation, FollowsTheHostsRule) {
    const struct {
        ProfileEnvironment environment;
        std::optional<std::string> folder;
    } cases[] = {
        {{"/p/prof", "/xdg", "/home/pw", "/home/env"}, "/p/prof/.config"},
        {{std::nullopt, "/xdg", "/home/pw", "/home/env"}, "/xdg/far2l"},
        {{"work", "/xdg", "/home/pw", "/home/env"}, "/xdg/far2l/custom/work"},
        {{std::nullopt, "relative/xdg", "/home/pw", "/home/env"}, "/home/pw/.config/far2l"},
        {{"", "", "/home/pw", "/home/env"}, "/home/pw/.config/far2l"},
        {{"work", std::nullopt, "/home/pw", "/home/env"}, "/home/pw/.config/far2l/custom/work"},
        {{std::nullopt, std::nullopt, std::nullopt, "/home/env"}, "/home/env/.config/far2l"},
        {{std::nullopt, std::nullopt, "", "/home/env"}, "/home/env/.config/far2l"},
        {{std::nullopt, std::nullopt, "relative", "/home/env"}, "/home/env/.config/far2l"},
        {{std::nullopt, std::nullopt, std::nullopt, "home"}, std::nullopt},
        {{"work", std::nullopt, std::nullopt, std::nullopt}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(profile_folder(c.environment), c.folder);
    }
    EXPECT_EQ(settings_file({"/p", std::nullopt, std::nullopt, std::nullopt}),
              "/p/.config/plugins/pickwell/config.ini");
    EXPECT_EQ(settings_file({}), std::nullopt);
}

}  // namespace
}  // namespace pickwell
