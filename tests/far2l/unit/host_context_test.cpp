// Which of the host's services the far2l adapter finds in a startup record, by the size the record
// states, and that each it finds is the service it calls it for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/far2l/host_context.h"
#include "support/far2l/fake_host.h"

namespace pickwell::testing {
namespace {

// The services the module would call, in this order; each shows as its call in the host's log.
struct Found {
    bool menu, message, get_msg, control, copy, dialog;
};

// Calls every service the context has: a missing one leaves no call in the host's log.
void call_each_service(const far2l::HostContext& context) {
    const far2l::WChar* const lines[] = {U"title", U"line"};
    (void)context.menu(0, U"title", nullptr, nullptr, nullptr, nullptr, nullptr, 0);
    context.message(far2l::FMSG_MB_OK, nullptr, lines, 2);
    (void)context.get_msg(0);
    if (context.can_run_command()) {
        (void)context.control(far2l::FCTL_REDRAWPANEL, 0, far2l::IntPtr{0});
    }
    (void)context.copy_to_clipboard(U"copied");
    if (context.can_run_dialog()) {
        far2l::FarDialogItem item{};
        const far2l::Handle dialog = context.dialog_init(-1, -1, 10, 5, nullptr, &item, 1);
        (void)context.dialog_run(dialog);
        (void)context.send_dlg_message(dialog, far2l::DM_GETCHECK, 0, 0);
        context.dialog_free(dialog);
    }
}

std::vector<int> calls_of(const Found& found) {
    std::vector<int> calls;
    const auto call = [&](bool there, std::initializer_list<int> commands) {
        if (there) {
            calls.insert(calls.end(), commands);
        }
    };
    call(found.menu, {kFar2lMenu});
    call(found.message, {kFar2lMessage});
    call(found.get_msg, {kFar2lGetMsg});
    call(found.control, {far2l::FCTL_REDRAWPANEL});
    call(found.copy, {kFar2lCopyToClipboard});
    call(found.dialog, {kFar2lDialogInit, kFar2lDialogRun, kFar2lSendDlgMessage, kFar2lDialogFree});
    return calls;
}

TEST(Far2lHostContext, FindsEachServiceWhereTheRecordsSizeSaysItIs) {
    constexpr Found kAll{true, true, true, true, true, true};
    constexpr Found kAllButDialog{true, true, true, true, true, false};
    const struct {
        Far2lStartupLayout layout;
        Found found;
    } cases[] = {
        {kFar2l24Layout, kAll},
        {kFar2l26Layout, kAll},
        {kFar2l28Layout, kAll},
        {{"a later far2l, one slot more", 284, 188, 196, 204, 212, 700}, kAll},
        {{"a record larger than the host's memory of it", 1 << 20, 188, 196, 204, 212, 628}, kAll},
        // Sizes of no layout known: only what every far2l has in the same place.
        {{"2.8's cut short", 268, 188, 196, 204, 212, 628}, kAllButDialog},
        {{"2.6's and a slot more", 268, 180, 188, 196, 204, 532}, kAllButDialog},
        {{"2.6's a byte short", 259, 180, 188, 196, 204, 532}, kAllButDialog},
        {{"2.6's a byte long", 261, 180, 188, 196, 204, 532}, kAllButDialog},
        {{"2.8's a byte short", 275, 188, 196, 204, 212, 628}, kAllButDialog},
        {{"up to ShowHelp", 156, 180, 188, 196, 204, 532}, kAllButDialog},
        // Each field only where the record holds all of it.
        {{"the helper table's pointer cut", 152, 180, 188, 196, 204, 532},
         {true, true, true, true, false, false}},
        {{"up to Control", 60, 180, 188, 196, 204, 532}, {true, true, true, true, false, false}},
        {{"Message cut", 40, 180, 188, 196, 204, 532}, {true, false, false, false, false, false}},
        {{"no service", 28, 180, 188, 196, 204, 532}, {}},
        {{"a negative size", -1, 180, 188, 196, 204, 532}, {}},
        // The helper table, too, is read as far as it says it reaches.
        {{"a helper table cut in CopyToClipboard", 276, 188, 196, 204, 212, 320},
         {true, true, true, true, false, true}},
        {{"a helper table that just holds it", 276, 188, 196, 204, 212, 324}, kAll},
    };
    for (const auto& c : cases) {
        Far2lFakeHost host;
        host.layout = c.layout;
        far2l::HostContext context;
        host.start([&](const void* info) { context.save(info); });
        call_each_service(context);
        std::vector<int> called;
        for (const Far2lCall& call : host.calls) {
            called.push_back(call.command);
        }
        EXPECT_EQ(called, calls_of(c.found)) << c.layout.what;
        EXPECT_EQ(host.violations, std::vector<std::string>{}) << c.layout.what;
        EXPECT_EQ(host.open_dialogs, 0) << c.layout.what;
    }
}

}  // namespace
}  // namespace pickwell::testing
