// A far2l host for tests: the packed records and UTF-32 texts, a file panel and a dialog, with
// every call recorded in order. The startup record and its helper table exist only on the stack
// of the call that hands them over, and are poisoned when it returns.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/far2l/plugin_api.h"

namespace pickwell::testing {

struct Far2lItem {
    std::optional<std::u32string> name;  // nullopt: the host reports a null name
    // Overrides the byte size the host reports (0 or less skips the item).
    std::optional<int> reported_size;
    bool fill_fails = false;
};

struct Far2lCall {
    int command;  // a Control command, or one of the pseudo-commands below
    int param1;
    far2l::IntPtr param2;
    bool operator==(const Far2lCall&) const = default;
};
inline constexpr int kFar2lGetMsg = 1000;
inline constexpr int kFar2lDialogInit = 1001;
inline constexpr int kFar2lDialogRun = 1002;
inline constexpr int kFar2lDialogFree = 1003;
inline constexpr int kFar2lSendDlgMessage = 1004;

struct Far2lDialogScript {
    bool create_fails = false;
    int closed_by = 7;             // the item DialogRun reports
    std::optional<int> checks[9];  // DM_GETCHECK answers by item; default: the item's state
    std::optional<std::u32string> edit_text;  // DM_GETCONSTTEXTPTR answer; default: as given
};

class Far2lFakeHost {
  public:
    Far2lFakeHost();
    ~Far2lFakeHost();
    Far2lFakeHost(const Far2lFakeHost&) = delete;
    Far2lFakeHost& operator=(const Far2lFakeHost&) = delete;

    // Builds the startup record and helper table on this call's stack, hands them to
    // `set_startup_info` and overwrites both before returning.
    void start(const std::function<void(const far2l::PluginStartupInfo*)>& set_startup_info);

    // The active panel.
    int panel_type = far2l::PTYPE_FILEPANEL;
    int plugin_panel = 0;
    std::optional<int> items_number;  // default: the number of items
    std::vector<Far2lItem> items;
    void set_names(const std::vector<std::u32string>& names);

    Far2lDialogScript dialog;

    // GetMsg's texts by number ("mN" when not given); with `no_language_file`, null for all.
    std::vector<std::u32string> messages;
    bool no_language_file = false;

    std::vector<Far2lCall> calls;
    // Calls the module should never make. Recorded rather than thrown: the call may come from
    // a shared object.
    std::vector<std::string> violations;
    std::vector<int> selections() const;  // FCTL_SETSELECTION calls per item
    std::vector<int> selected_indices() const;
    std::vector<int> control_commands() const;

    // What the module passed to DialogInit, its texts copied as the host copies them.
    std::vector<far2l::FarDialogItem> dialog_items;
    std::vector<std::u32string> dialog_texts;  // by item; empty for a null text
    std::vector<int> dialog_init_args;         // x1, y1, x2, y2, count, reserved, flags
    std::optional<std::u32string> dialog_help_topic;  // nullopt for null
    bool dialog_init_had_extras = false;              // a dialog procedure or parameter
    int open_dialogs = 0;

  private:
    static const far2l::WChar* get_msg(far2l::IntPtr plugin_number, int id);
    static int control(far2l::Handle panel, int command, int param1, far2l::IntPtr param2);
    static far2l::Handle dialog_init(far2l::IntPtr plugin_number, int x1, int y1, int x2, int y2,
                                     const far2l::WChar* help, far2l::FarDialogItem* items,
                                     unsigned int count, far2l::Dword reserved, far2l::Dword flags,
                                     far2l::DlgProcFn proc, far2l::IntPtr param);
    static int dialog_run(far2l::Handle dialog);
    static void dialog_free(far2l::Handle dialog);
    static far2l::IntPtr send_dlg_message(far2l::Handle dialog, int msg, int param1,
                                          far2l::IntPtr param2);

    int control_call(int command, int param1, far2l::IntPtr param2);
    int item_size(const Far2lItem& item) const;
    void fill_item(const Far2lItem& item, std::byte* buffer) const;
    const char32_t* text_of(int id);

    std::vector<std::u32string> default_messages_;
};

}  // namespace pickwell::testing
