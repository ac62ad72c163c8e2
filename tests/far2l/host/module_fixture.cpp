#include "module_fixture.h"

#include <cstdlib>

namespace pickwell::far2l_host {

ScopedVariable::ScopedVariable(const char* name, const std::optional<std::string>& value)
    : name_(name) {
    if (const char* old = std::getenv(name)) {
        saved_ = old;
    }
    if (value) {
        ::setenv(name, value->c_str(), 1);
    } else {
        ::unsetenv(name);
    }
}

ScopedVariable::~ScopedVariable() {
    if (saved_) {
        ::setenv(name_, saved_->c_str(), 1);
    } else {
        ::unsetenv(name_);
    }
}

ModuleTest::ModuleTest() : far_settings("FARSETTINGS", profile.path()) {}

void ModuleTest::SetUp() {
    clipboard_reset();
    start();
}

void ModuleTest::TearDown() {
    EXPECT_EQ(clipboard_open_sessions(), 0);
    EXPECT_EQ(clipboard_registrations_while_closed(), 0);
    EXPECT_EQ(host.open_dialogs, 0);
    EXPECT_EQ(host.violations, std::vector<std::string>{});
}

void ModuleTest::start() {
    host.start([](const far2l::PluginStartupInfo* info) { module().set_startup_info(info); });
}

std::vector<int> ModuleTest::run_command(const std::vector<std::u32string>& names) {
    host.set_names(names);
    host.calls.clear();
    EXPECT_EQ(module().open_plugin(1, 0), far2l::kInvalidHandle);
    EXPECT_EQ(clipboard_open_sessions(), 0);
    return host.selections();
}

}  // namespace pickwell::far2l_host
