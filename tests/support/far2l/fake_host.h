// A far2l host for tests: the packed records and UTF-32 texts, a file panel, a dialog, menus,
// message boxes and the clipboard helper, with every call recorded in order. The startup record and
// its helper table exist only on the stack of the call that hands them over, and are poisoned when
// it returns. The startup record has the layout of one far2l version; every slot of it that holds
// none of the services this host gives, and every slot past the size it states, holds a trap that
// records a violation when called.
#pragma once

#include <deque>
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
inline constexpr int kFar2lMenu = 1005;
inline constexpr int kFar2lMessage = 1006;
inline constexpr int kFar2lCopyToClipboard = 1007;

// Where one far2l keeps the dialog services in its startup record, by byte offset, and the sizes
// its startup record and helper table state. Menu, Message, GetMsg, Control and the helper table
// sit where every far2l has them.
struct Far2lStartupLayout {
    const char* what;
    int struct_size;
    int dialog_init, dialog_run, dialog_free, send_dlg_message;
    int fsf_size;
};
inline constexpr Far2lStartupLayout kFar2l24Layout{"far2l 2.4", 260, 180, 188, 196, 204, 484};
inline constexpr Far2lStartupLayout kFar2l26Layout{"far2l 2.6", 260, 180, 188, 196, 204, 532};
inline constexpr Far2lStartupLayout kFar2l28Layout{"far2l 2.8", 276, 188, 196, 204, 212, 628};

struct Far2lDialogScript {
    bool create_fails = false;
    int closed_by = 7;             // the item DialogRun reports
    std::optional<int> checks[9];  // DM_GETCHECK answers by item; default: the item's state
    std::optional<std::u32string> edit_text;  // DM_GETCONSTTEXTPTR answer; default: as given
};

// How the user closes a menu.
struct Far2lMenuAnswer {
    int key = -1;   // the index of the break key pressed; -1 for Enter or Esc
    int line = -1;  // the line under the cursor; -1 for Esc, or with a key: where it started

    static Far2lMenuAnswer escape() { return {}; }
    static Far2lMenuAnswer enter(int line) { return {-1, line}; }
    static Far2lMenuAnswer break_key(int key, int line = -1) { return {key, line}; }
};

// A menu as the host read it from the module's records.
struct Far2lMenuShown {
    std::vector<int> placement;  // x, y, max height
    far2l::Dword flags = 0;
    std::u32string title, bottom, help_topic;  // empty for null
    std::vector<int> break_keys;               // up to their closing 0
    std::vector<std::u32string> items;
    int selected = -1;  // the first item marked selected
    bool operator==(const Far2lMenuShown&) const = default;
};

// A message box as the host read it: its title first, then its lines.
struct Far2lMessageShown {
    far2l::Dword flags = 0;
    std::u32string help_topic;
    std::vector<std::u32string> items;
    bool operator==(const Far2lMessageShown&) const = default;
};

class Far2lFakeHost {
  public:
    Far2lFakeHost();
    ~Far2lFakeHost();
    Far2lFakeHost(const Far2lFakeHost&) = delete;
    Far2lFakeHost& operator=(const Far2lFakeHost&) = delete;

    // Builds the startup record of `layout` and the helper table on this call's stack, hands them
    // to `set_startup_info` and overwrites both before returning.
    void start(const std::function<void(const void*)>& set_startup_info);
    Far2lStartupLayout layout = kFar2l28Layout;

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
    std::vector<std::u32string> dialog_texts;         // by item; empty for a null text
    std::vector<int> dialog_init_args;                // x1, y1, x2, y2, count, reserved, flags
    std::optional<std::u32string> dialog_help_topic;  // nullopt for null
    bool dialog_init_had_extras = false;              // a dialog procedure or parameter
    int open_dialogs = 0;

    // Menus close as these say, in turn; once they run out, with Esc.
    std::deque<Far2lMenuAnswer> menu_answers;
    std::vector<Far2lMenuShown> menus;
    std::vector<Far2lMessageShown> message_boxes;

    // FSF.CopyToClipboard: every text handed over, and whether the copy succeeds: by
    // `clipboard_writer` when there is one, else unless `copy_fails`.
    std::vector<std::u32string> copied;
    bool copy_fails = false;
    std::function<bool(const std::u32string&)> clipboard_writer;

    // Services the startup record leaves null, as a host without them would.
    bool without_menu = false;
    bool without_message = false;
    bool without_copy_to_clipboard = false;

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
    static int menu(far2l::IntPtr plugin_number, int x, int y, int max_height, far2l::Dword flags,
                    const far2l::WChar* title, const far2l::WChar* bottom,
                    const far2l::WChar* help_topic, const int* break_keys, int* break_code,
                    const far2l::FarMenuItem* items, int count);
    static int message(far2l::IntPtr plugin_number, far2l::Dword flags,
                       const far2l::WChar* help_topic, const far2l::WChar* const* items, int count,
                       int buttons);
    static int copy_to_clipboard(const far2l::WChar* data);

    int control_call(int command, int param1, far2l::IntPtr param2);
    bool is_open_dialog(far2l::Handle handle, const char* service);
    int item_size(const Far2lItem& item) const;
    void fill_item(const Far2lItem& item, std::byte* buffer) const;
    const char32_t* text_of(int id);
    Far2lMenuShown read_menu(far2l::Dword flags, const far2l::WChar* title,
                             const far2l::WChar* bottom, const far2l::WChar* help_topic,
                             const int* break_keys, const far2l::FarMenuItem* lines, int count);
    int close_menu(const Far2lMenuShown& shown, int* break_code);

    std::vector<std::u32string> default_messages_;
};

}  // namespace pickwell::testing
