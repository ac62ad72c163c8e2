// Where far2l keeps the three settings: section [Settings] of the module's own INI file in the
// user's profile, read afresh at each opening. Nothing here reports a failure: a file that is
// missing, unreadable or malformed reads as the defaults, and a write that fails is lost without
// touching the file there was.
#pragma once

#include <optional>
#include <string>

#include "core/settings_store.h"

namespace pickwell::far2l {

class IniSettingsStore final : public SettingsStore {
  public:
    // `file`: nothing when there is no profile to keep it in.
    explicit IniSettingsStore(std::optional<std::string> file) : file_(std::move(file)) {}

    std::unique_ptr<SettingsReading> open_for_reading() override;
    std::unique_ptr<SettingsWriting> open_for_writing() override;

  private:
    std::optional<std::string> file_;
};

}  // namespace pickwell::far2l
