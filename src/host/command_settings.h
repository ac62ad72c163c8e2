// The settings as the command of Far 3 and far2l reads them: the extra separators without their
// characters outside the BMP. The command tells separators apart one UTF-16 unit at a time, and
// the two halves of such a character would each split every name holding another character
// that shares one of them (U+1F600 would split at U+1F603). The dialog reads and keeps them all.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/settings_store.h"

namespace pickwell {

// `text` without its characters outside the BMP, and without any unpaired surrogate.
std::u16string without_supplementary(std::u16string_view text);

class CommandSettingsStore final : public SettingsStore {
  public:
    explicit CommandSettingsStore(SettingsStore& store) : store_(store) {}

    std::unique_ptr<SettingsReading> open_for_reading() override;
    std::unique_ptr<SettingsWriting> open_for_writing() override {
        return store_.open_for_writing();
    }

  private:
    SettingsStore& store_;
};

}  // namespace pickwell
