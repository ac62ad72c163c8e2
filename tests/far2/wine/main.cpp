// The Windows test host for the Far 2 module: loads Pickwell.dll as the host does and runs the
// Wine tests, or shows the command at work on a folder (see program_main.h).
#include "plugin_under_test.h"
#include "support/far2/fake_host.h"
#include "windows/program_main.h"

namespace {

using namespace wine_test;

DemoRun far2_demo(const std::vector<pickwell::testing::FakeItem>& items,
                  const std::vector<std::u16string>& texts) {
    pickwell::testing::FakeHost host;
    host.messages = texts;
    host.items = items;
    const far2::PluginStartupInfo info = host.startup_info(u"Software\\PickwellDemo");
    plugin().SetStartupInfoW(&info);
    far2::PluginInfo menus{};
    plugin().GetPluginInfoW(&menus);
    plugin().OpenPluginW(0, 0);
    return {menus.PluginMenuStrings[0], host.selections(), host.violations.empty()};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    return run_test_program(argc, argv, {L"Pickwell.dll", &load_plugin, &far2_demo});
}
