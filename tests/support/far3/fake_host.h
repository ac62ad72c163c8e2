// A Far 3 host for native tests, fuzzing and the Wine tests: a service table whose calls land in
// one FakeFar3Host, which plays a file panel, a dialog, menus, message boxes, the clipboard's
// writer and the module's settings store, checks every record the module passes as the host
// does, and records every call in order.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <iosfwd>
#include <limits>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "host/far3/plugin_api.h"
#include "support/scripted_host.h"

namespace pickwell::testing {

enum class Far3Service {
    GetMsg,
    PanelControl,
    DialogInit,
    DialogRun,
    SendDlgMessage,
    DialogFree,
    SettingsControl,
    Menu,
    Message,
    CopyToClipboard
};

// One call through the service table, as the module made it.
struct Far3Call {
    Far3Service service;
    std::int64_t command;  // the FCTL_, DM_ or SCTL_ number; GetMsg's message number
    std::int64_t param1;
    // A record or buffer as 1 (0 for null); FCTL_SETSELECTION's flag as given; for SCTL_GET and
    // SCTL_SET the value's type.
    std::int64_t param2;
    std::u16string name;  // the settings value that SCTL_GET and SCTL_SET name
    bool operator==(const Far3Call&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Far3Call& call);

Far3Call panel_call(int command, std::int64_t param1, std::int64_t param2);
Far3Call settings_call(int command, const char16_t* name = u"", int type = 0);

// A value of the settings store.
struct Far3Setting {
    int type;  // far3::FST_QWORD or far3::FST_STRING
    std::uint64_t number;
    std::u16string text;
    bool operator==(const Far3Setting&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Far3Setting& setting);

Far3Setting qword_setting(std::uint64_t number);
Far3Setting string_setting(std::u16string text);

// The module's texts as "m" and their number, with "%1" and "%2" where the language files have
// them: for ScriptedTexts::messages.
std::vector<std::u16string> numbered_texts();

// A menu as the module had the host show it.
struct Far3Menu {
    far3::Uuid guid{};
    std::vector<std::int64_t> place;  // x, y, max_height
    far3::Flags64 flags = 0;
    std::u16string title, bottom, help_topic;
    std::vector<std::u16string> items;
    std::vector<far3::Flags64> item_flags;
    std::vector<far3::FarKey> break_keys;  // without the one that ends them
};

// A message box as the module had the host show it.
struct Far3MessageBox {
    far3::Uuid guid{};
    far3::Flags64 flags = 0;
    std::u16string help_topic;
    std::vector<std::u16string> items;  // the title first
    std::int64_t buttons = 0;
};

// What the user does in a menu: a key on a line (default: where the cursor is). Esc closes it;
// Enter chooses the line; any other key closes it on the line when it is one of the menu's break
// keys, and is ignored otherwise.
struct Far3MenuKey {
    far3::FarKey key;
    std::optional<std::size_t> line;
};
inline constexpr far3::FarKey kEscKey = {0x1B, 0};
inline constexpr far3::FarKey kEnterKey = {0x0D, 0};

class FakeFar3Host : public ScriptedTexts {
  public:
    FakeFar3Host();
    ~FakeFar3Host();
    FakeFar3Host(const FakeFar3Host&) = delete;
    FakeFar3Host& operator=(const FakeFar3Host&) = delete;

    // The record a host hands to SetStartupInfoW; its FSF points at this host's table.
    far3::PluginStartupInfo startup_info();
    far3::FarStandardFunctions functions{};

    // Who the module says it is: GetMsg, DialogInit and SCTL_CREATE expect it.
    far3::Uuid plugin_guid{};

    // The active panel.
    int panel_type = far3::PTYPE_FILEPANEL;
    far3::Flags64 panel_flags = 0;
    bool panel_info_fails = false;
    std::optional<std::size_t> items_number;  // default: the number of items
    std::vector<FakeItem> items;
    // Items that need kGrowth bytes more at the fill than their size query said, as when an
    // item changes in between.
    std::set<std::size_t> growing_items;
    static constexpr std::size_t kGrowth = 64;

    ScriptedDialog dialog;

    // The keys pressed in the menus shown, in order; when none is left, Esc.
    std::deque<Far3MenuKey> menu_keys;
    std::vector<Far3Menu> menus;
    std::vector<Far3MessageBox> message_boxes;
    // The texts the module put on the clipboard, and how the clipboard takes them: kept here,
    // unless `clipboard_writer` is set (the Wine host writes the system's clipboard), or
    // refused, as when another program holds the clipboard.
    std::vector<std::u16string> copied;
    bool copy_fails = false;
    std::function<bool(std::u16string_view)> clipboard_writer;

    // The module's store as committed; a handle's writes land here when it is freed.
    std::map<std::u16string, Far3Setting> settings;
    bool settings_create_fails = false;
    bool settings_writes_fail = false;
    int open_settings = 0;    // handles not yet freed
    int settings_opened = 0;  // handles created so far

    std::vector<Far3Call> calls;
    // Calls the module should never make: records the host would reject, a wrong panel or
    // handle, a selection outside the panel. Recorded rather than thrown: the call may come
    // through a DLL.
    std::vector<std::string> violations;
    // FCTL_SETSELECTION calls per item.
    std::vector<int> selections() const;
    std::vector<int> selected_indices() const { return indices_selected(selections()); }
    std::vector<std::int64_t> panel_commands() const;
    std::vector<Far3Call> calls_of(Far3Service service) const;

    // What the module passed to DialogInit.
    std::vector<far3::FarDialogItem> dialog_items;
    std::u16string edit_text_at_init;
    std::optional<far3::Uuid> dialog_guid;
    std::vector<std::int64_t> dialog_init_args;  // x1, y1, x2, y2, count, reserved, flags
    std::optional<std::u16string> dialog_help_topic;
    bool dialog_init_had_extras = false;  // a dialog procedure or parameter
    int open_dialogs = 0;

    // Service table entries.
    static const far3::WChar* get_msg(const far3::Uuid* plugin_id, far3::IntPtr id);
    static far3::IntPtr panel_control(far3::Handle panel, int command, far3::IntPtr param1,
                                      void* param2);
    static far3::Handle dialog_init(const far3::Uuid* plugin_id, const far3::Uuid* id,
                                    far3::IntPtr x1, far3::IntPtr y1, far3::IntPtr x2,
                                    far3::IntPtr y2, const far3::WChar* help,
                                    const far3::FarDialogItem* items, std::size_t count,
                                    far3::IntPtr reserved, far3::Flags64 flags,
                                    far3::DlgProcFn proc, void* param);
    static far3::IntPtr dialog_run(far3::Handle dialog);
    static void dialog_free(far3::Handle dialog);
    static far3::IntPtr send_dlg_message(far3::Handle dialog, far3::IntPtr msg, far3::IntPtr param1,
                                         void* param2);
    static far3::IntPtr settings_control(far3::Handle settings, int command, far3::IntPtr param1,
                                         void* param2);
    static far3::IntPtr menu(const far3::Uuid* plugin_id, const far3::Uuid* id, far3::IntPtr x,
                             far3::IntPtr y, far3::IntPtr max_height, far3::Flags64 flags,
                             const far3::WChar* title, const far3::WChar* bottom,
                             const far3::WChar* help_topic, const far3::FarKey* break_keys,
                             far3::IntPtr* break_code, const far3::FarMenuItem* items,
                             std::size_t count);
    static far3::IntPtr message(const far3::Uuid* plugin_id, const far3::Uuid* id,
                                far3::Flags64 flags, const far3::WChar* help_topic,
                                const far3::WChar* const* items, std::size_t count,
                                far3::IntPtr buttons);
    static int copy_to_clipboard(int type, const far3::WChar* data);

  private:
    struct SettingsSession {
        std::map<std::u16string, Far3Setting> written;
        std::list<std::u16string> texts_handed_out;  // valid until the handle is freed
    };

    template <typename Record>
    bool accepts(const Record* record, const char* what);
    far3::IntPtr panel_call_made(int command, far3::IntPtr param1, void* param2);
    far3::IntPtr panel_item(std::size_t index, far3::FarGetPluginPanelItem* request);
    far3::IntPtr settings_call_made(far3::Handle handle, int command, far3::IntPtr param1,
                                    void* param2);
    SettingsSession* session_of(far3::Handle handle);
    far3::IntPtr menu_shown(Far3Menu shown, const far3::FarKey* break_keys,
                            far3::IntPtr* break_code);

    std::set<std::unique_ptr<SettingsSession>> sessions_;
    std::unique_ptr<std::u16string> answered_text_;  // DM_GETCONSTTEXTPTR's, until DialogFree
};

// What a macro receives from OpenW: nothing for null (the macro sees false), else the integer of
// the FarMacroCall returned, which is then freed through its callback as the host does. A record
// of any other shape than one integer reads as kMalformedMacroResult.
inline constexpr std::int64_t kMalformedMacroResult = std::numeric_limits<std::int64_t>::min();
std::optional<std::int64_t> macro_integer(far3::Handle result);

// A value as a macro receives it: a number, a string, or an array of values.
struct MacroValue {
    int type = 0;
    std::int64_t integer = 0;
    std::u16string text;
    std::vector<MacroValue> array;
    bool operator==(const MacroValue&) const = default;
};
std::ostream& operator<<(std::ostream& out, const MacroValue& value);
MacroValue macro_number(std::int64_t number);
MacroValue macro_array(const std::vector<std::u16string>& texts);

// Every value of the FarMacroCall OpenW returned, copied as the host copies them for the macro,
// which then hands them to the callback to be freed; nothing for null. A record the host would
// not take (a wrong size, no callback, no values) reads as one value of type -1.
std::optional<std::vector<MacroValue>> macro_values(far3::Handle result);

// Arguments of Plugin.Call as the host passes them.
far3::FarMacroValue macro_string(const char16_t* text);
far3::FarMacroValue macro_double(double number);
far3::FarMacroValue macro_value_of_type(int type);  // a boolean, nil ...: zero as its value

// The bytes a host needs for an item: its record and the names after it.
std::size_t far3_item_size(const FakeItem& item);

}  // namespace pickwell::testing
