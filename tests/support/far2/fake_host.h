// A host for native tests: a service table whose calls land in one FakeHost, which plays a file
// panel and a dialog and records every call in order.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/far2/plugin_api.h"
#include "support/scripted_host.h"

namespace pickwell::testing {

// One call through the service table, as the module made it.
struct HostCall {
    int command;  // a Control command, or one of the dialog pseudo-commands below
    int param1;
    far2::IntPtr param2;
    bool operator==(const HostCall&) const = default;
};
inline constexpr int kGetMsgCall = 1000;
inline constexpr int kDialogInitCall = 1001;
inline constexpr int kDialogRunCall = 1002;
inline constexpr int kDialogFreeCall = 1003;
inline constexpr int kSendDlgMessageCall = 1004;

class FakeHost : public ScriptedTexts {
  public:
    FakeHost();
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // The record a host hands to SetStartupInfoW.
    far2::PluginStartupInfo startup_info(const char16_t* root_key = u"Software\\Host\\Plugins");

    // The active panel.
    int panel_type = far2::PTYPE_FILEPANEL;
    int plugin_panel = 0;
    std::optional<int> items_number;  // default: the number of items
    std::vector<FakeItem> items;

    ScriptedDialog dialog;

    std::vector<HostCall> calls;
    // Calls the module should never make (a wrong panel handle, a selection outside the panel,
    // unexpected dialog arguments). Recorded rather than thrown: the call may come through a DLL.
    std::vector<std::string> violations;
    // FCTL_SETSELECTION calls per item.
    std::vector<int> selections() const;
    std::vector<int> selected_indices() const;
    std::vector<int> control_commands() const;

    // What the module passed to DialogInit.
    std::vector<far2::FarDialogItem> dialog_items;
    std::u16string edit_text_at_init;
    std::vector<int> dialog_init_args;    // x1, y1, x2, y2, count, reserved, flags
    bool dialog_init_had_extras = false;  // a help topic, dialog procedure or parameter
    int open_dialogs = 0;

    // Service table entries.
    static const far2::WChar* get_msg(far2::IntPtr plugin_number, int id);
    static int control(far2::Handle panel, int command, int param1, far2::IntPtr param2);
    static far2::Handle dialog_init(far2::IntPtr plugin_number, int x1, int y1, int x2, int y2,
                                    const far2::WChar* help, far2::FarDialogItem* items,
                                    unsigned int count, far2::Dword reserved, far2::Dword flags,
                                    far2::DlgProcFn proc, far2::IntPtr param);
    static int dialog_run(far2::Handle dialog);
    static void dialog_free(far2::Handle dialog);
    static far2::IntPtr send_dlg_message(far2::Handle dialog, int msg, int param1,
                                         far2::IntPtr param2);

  private:
    int control_call(int command, int param1, far2::IntPtr param2);
    int item_size(const FakeItem& item) const;
    void fill_item(const FakeItem& item, std::byte* buffer) const;
};

}  // namespace pickwell::testing
