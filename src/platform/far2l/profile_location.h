// Where far2l keeps its user's settings, by its own rule.
#pragma once

#include <optional>
#include <string>

namespace pickwell {

// What the rule looks at; an empty variable counts as unset.
struct ProfileEnvironment {
    std::optional<std::string> far_settings;     // FARSETTINGS
    std::optional<std::string> xdg_config_home;  // XDG_CONFIG_HOME
    std::optional<std::string> passwd_home;      // the user's home in the password database
    std::optional<std::string> home;             // HOME
};

// An absolute FARSETTINGS gives `$FARSETTINGS/.config`; else an absolute XDG_CONFIG_HOME gives
// `$XDG_CONFIG_HOME/far2l`, else the home gives `<home>/.config/far2l`, and in both a plain
// FARSETTINGS adds `/custom/$FARSETTINGS`. Nothing when there is no absolute home to start
// from: a relative one would put the file wherever the host's current folder happens to be.
std::optional<std::string> profile_folder(const ProfileEnvironment& environment);

// This module's settings file in the profile folder.
std::optional<std::string> settings_file(const ProfileEnvironment& environment);

// The process's own environment and user.
ProfileEnvironment current_profile_environment();

}  // namespace pickwell
