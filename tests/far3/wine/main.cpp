// The Windows test host for the Far 3 module: loads far3\Pickwell.dll as the host does and runs
// the Wine tests, or shows the command at work on a folder (see program_main.h).
#include "host_session.h"
#include "windows/program_main.h"

namespace {

using namespace wine_test;

DemoRun far3_demo(const std::vector<pickwell::testing::FakeItem>& items,
                  const std::vector<std::u16string>& texts) {
    Far3Session session;
    session.host.messages = texts;
    session.host.items = items;
    far3::PluginInfo menus{};
    menus.StructSize = sizeof menus;
    far3_plugin().GetPluginInfoW(&menus);
    const std::vector<int> selections = session.run_command();
    return {menus.PluginMenu.Count > 0 ? menus.PluginMenu.Strings[0] : u"(none)", selections,
            session.host.violations.empty()};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    return run_test_program(argc, argv, {L"far3\\Pickwell.dll", &load_far3_plugin, &far3_demo});
}
