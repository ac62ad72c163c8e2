// The profile rule's inputs from the process: its environment and the password database.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/far2l/profile_location.h"

namespace pickwell {
namespace {

std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

std::optional<std::string> home_in_password_database() {
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr) {
        return std::nullopt;
    }
    return std::string(found->pw_dir);
}

}  // namespace

ProfileEnvironment current_profile_environment() {
    return {variable("FARSETTINGS"), variable("XDG_CONFIG_HOME"), home_in_password_database(),
            variable("HOME")};
}

}  // namespace pickwell
