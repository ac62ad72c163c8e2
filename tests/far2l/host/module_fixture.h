// Each test of the built module: a fake far2l in this process, its clipboard emptied, and a
// profile folder of its own that the module finds through FARSETTINGS.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "clipboard.h"
#include "loaded_module.h"
#include "support/far2l/fake_host.h"
#include "support/temp_folder.h"

namespace pickwell::far2l_host {

// Sets or unsets an environment variable for as long as it lives.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const std::optional<std::string>& value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name_;
    std::optional<std::string> saved_;
};

class ModuleTest : public ::testing::Test {
  protected:
    ModuleTest();

    void SetUp() override;
    // However a test ended, the module left nothing open and broke no rule of the host.
    void TearDown() override;

    // Hands the startup records over, on the host's stack.
    void start();
    // The first menu entry's command on a panel of `names`: SETSELECTION calls per item.
    std::vector<int> run_command(const std::vector<std::u32string>& names);
    // The second entry's, which then reports what it found.
    std::vector<int> run_report(const std::vector<std::u32string>& names);

    // Where the module keeps its settings in this test's profile.
    std::string settings_file() const { return profile / ".config/plugins/pickwell/config.ini"; }

    testing::TempFolder profile;
    ScopedVariable far_settings;
    ScopedVariable xdg_config_home{"XDG_CONFIG_HOME", std::nullopt};
    testing::Far2lFakeHost host;

  private:
    std::vector<int> open_entry(far2l::IntPtr entry, const std::vector<std::u32string>& names);
};

}  // namespace pickwell::far2l_host
