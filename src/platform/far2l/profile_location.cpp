#include "platform/far2l/profile_location.h"

namespace pickwell {
namespace {

bool is_set(const std::optional<std::string>& variable) {
    return variable && !variable->empty();
}

bool is_absolute(const std::optional<std::string>& path) {
    return is_set(path) && path->front() == '/';
}

}  // namespace

std::optional<std::string> profile_folder(const ProfileEnvironment& environment) {
    if (is_absolute(environment.far_settings)) {
        return *environment.far_settings + "/.config";
    }
    std::string folder;
    if (is_absolute(environment.xdg_config_home)) {
        folder = *environment.xdg_config_home + "/far2l";
    } else if (is_absolute(environment.passwd_home)) {
        folder = *environment.passwd_home + "/.config/far2l";
    } else if (is_absolute(environment.home)) {
        folder = *environment.home + "/.config/far2l";
    } else {
        return std::nullopt;
    }
    if (is_set(environment.far_settings)) {
        folder += "/custom/" + *environment.far_settings;
    }
    return folder;
}

std::optional<std::string> settings_file(const ProfileEnvironment& environment) {
    auto folder = profile_folder(environment);
    if (folder) {
        *folder += "/plugins/pickwell/config.ini";
    }
    return folder;
}

}  // namespace pickwell
