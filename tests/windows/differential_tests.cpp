// The real DLL against the match rule as written, both with the system's comparison, on seeded
// random panels and clipboard texts full of names that are equal though spelled differently.
#include "host_session.h"
#include "plain_rule.h"
#include "random_panels.h"
#include "real_clipboard.h"

namespace wine_test {
namespace {

WINE_TEST(differential_counts_as_comparing_every_item_with_every_name) {
    HostSession session("differential");
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        const pickwell::testing::RandomPanel panel = pickwell::testing::random_panel(seed, 40, 40);
        session.host.items.clear();
        for (const auto& item : panel.items) {
            // An empty short name comes as a null pointer, as the host gives it.
            session.host.items.push_back(
                {item.name, item.short_name.empty() ? std::nullopt : std::optional(item.short_name),
                 std::nullopt, false});
        }
        std::u16string text;
        for (const auto& name : panel.names) {
            text += name + u"\r\n";
        }
        put_on_clipboard({text_block(text)});
        for (const bool case_sensitive : {false, true}) {
            session.settings.store_dword(u"CaseSensitive", case_sensitive ? 1 : 0);
            const std::vector<int> expected =
                plain_counts(session.host.items, panel.names, case_sensitive);
            if (!CHECK_EQ(session.run_command(), expected)) {
                fail(__FILE__, __LINE__,
                     "seed " + std::to_string(seed) + (case_sensitive ? " with" : " without") +
                         " case");
                return;
            }
        }
    }
}

}  // namespace
}  // namespace wine_test
