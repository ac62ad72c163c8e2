// The real DLL against the match rule as written, both with the system's comparison, on seeded
// random panels and clipboard texts full of names that are equal though spelled differently.
#include "host_session.h"
#include "windows/command_checks.h"

namespace wine_test {
namespace {

WINE_TEST(differential_counts_as_comparing_every_item_with_every_name) {
    HostSession session("differential");
    check_random_panels(session, Module::Far2);
}

}  // namespace
}  // namespace wine_test
