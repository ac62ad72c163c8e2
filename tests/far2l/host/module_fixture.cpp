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

ModuleTest::ModuleTest() : far_settings("FARSETTINGS", profile.path()) {
    // As far2l's helper, which writes the clipboard the module reads.
    host.clipboard_writer = [](const std::u32string& text) { return clipboard_copy_text(text); };
}

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
    host.start([](const void* info) { module().set_startup_info(info); });
}

namespace {

constexpr int kOpenFromPluginsMenu = 1;

}  // namespace

std::vector<int> ModuleTest::open_entry(far2l::IntPtr entry,
                                        const std::vector<std::u32string>& names) {
    host.set_names(names);
    host.calls.clear();
    EXPECT_EQ(module().open_plugin(kOpenFromPluginsMenu, entry), far2l::kInvalidHandle);
    EXPECT_EQ(clipboard_open_sessions(), 0);
    return host.selections();
}

std::vector<int> ModuleTest::run_command(const std::vector<std::u32string>& names) {
    return open_entry(0, names);
}

std::vector<int> ModuleTest::run_report(const std::vector<std::u32string>& names) {
    return open_entry(1, names);
}

}  // namespace pickwell::far2l_host
