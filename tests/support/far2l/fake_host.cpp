#include "fake_host.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "core/messages.h"

namespace pickwell::testing {
namespace {

Far2lFakeHost* current = nullptr;
constexpr far2l::IntPtr kModuleNumber = 0x5A17;
far2l::Handle const kDialog = reinterpret_cast<far2l::Handle>(0xD1A106);
constexpr unsigned char kPoison = 0xA5;
// More break keys than any module passes: a list not ended by 0 by then runs past its end.
constexpr std::size_t kMostBreakKeys = 64;
constexpr far2l::Dword kMessageButtonSets = 0x70000;  // the FMSG_MB_* field

std::u32string text_or_empty(const far2l::WChar* text) {
    return text != nullptr ? text : U"";
}

std::size_t text_bytes(const std::optional<std::u32string>& text) {
    return text ? (text->size() + 1) * sizeof(char32_t) : 0;
}

template <typename Record>
void poison(Record& record) {
    std::memset(static_cast<void*>(&record), kPoison, sizeof record);
}

// The startup record's bytes: more than any layout here states, so that past its stated size there
// are still slots to hold traps.
constexpr std::size_t kStartupRoom = 320;
// Where the fields that every far2l keeps in the same place sit.
constexpr std::size_t kModuleNameAt = 4;
constexpr std::size_t kModuleNumberAt = 12;
constexpr std::size_t kRootKeyAt = 20;
constexpr std::size_t kMenuAt = 28;
constexpr std::size_t kMessageAt = 36;
constexpr std::size_t kGetMsgAt = 44;
constexpr std::size_t kControlAt = 52;
constexpr std::size_t kFsfAt = 148;
// The slots, each a pointer, that follow the module's identity.
constexpr std::size_t kFirstSlotAt = kMenuAt;
constexpr std::size_t kSlotSize = 8;
constexpr std::size_t kSlotCount = (kStartupRoom - kFirstSlotAt) / kSlotSize;

using Trap = far2l::IntPtr (*)();

// What a slot holds where this host has no service for the module: called, it says which.
template <std::size_t Slot>
far2l::IntPtr trap() {
    current->violations.push_back("the startup record's slot at " +
                                  std::to_string(kFirstSlotAt + Slot * kSlotSize) +
                                  " called, which holds no service of this far2l's");
    return 0;
}

template <std::size_t... Slots>
constexpr std::array<Trap, sizeof...(Slots)> traps(std::index_sequence<Slots...>) {
    return {&trap<Slots>...};
}
constexpr std::array<Trap, kSlotCount> kTraps = traps(std::make_index_sequence<kSlotCount>());

// A packed record's field, written as the host writes it.
template <typename T>
void put(std::byte* record, std::size_t offset, T value) {
    std::memcpy(record + offset, &value, sizeof value);
}

}  // namespace

Far2lFakeHost::Far2lFakeHost() {
    // One host at a time: the service table is plain functions that reach it through `current`.
    current = this;
    for (int id = 0; id < kMessageCount; ++id) {
        std::u32string text = U"m";
        for (const char digit : std::to_string(id)) {
            text.push_back(static_cast<char32_t>(digit));
        }
        default_messages_.push_back(std::move(text));
    }
}

Far2lFakeHost::~Far2lFakeHost() {
    current = nullptr;
}

void Far2lFakeHost::start(const std::function<void(const void*)>& set_startup_info) {
    far2l::FarStandardFunctions fsf{};
    // Every helper but the one the module uses leads nowhere.
    std::memset(static_cast<void*>(&fsf), 0x11, sizeof fsf);
    fsf.StructSize = layout.fsf_size;
    fsf.CopyToClipboard = without_copy_to_clipboard ? nullptr : &Far2lFakeHost::copy_to_clipboard;

    // Packed as the host's: aligned to 2 bytes, not to 8.
    alignas(8) std::array<std::byte, kStartupRoom + 2> storage{};
    std::byte* const info = storage.data() + 2;
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        put(info, kFirstSlotAt + slot * kSlotSize, kTraps[slot]);
    }
    put(info, 0, layout.struct_size);
    put(info, kModuleNameAt, U"/opt/far2l/Plugins/pickwell/plug/Pickwell.far-plug-wide");
    put(info, kModuleNumberAt, kModuleNumber);
    put(info, kRootKeyAt, U"Software/Far2/Plugins");
    // Each service in its slot of the layout; past the stated size the traps stay.
    const std::size_t stated =
        std::min(static_cast<std::size_t>(std::max(layout.struct_size, 0)), kStartupRoom);
    const auto place = [&](std::size_t offset, auto service) {
        if (offset + kSlotSize <= stated) {
            put(info, offset, service);
        }
    };
    place(kMenuAt, without_menu ? nullptr : &Far2lFakeHost::menu);
    place(kMessageAt, without_message ? nullptr : &Far2lFakeHost::message);
    place(kGetMsgAt, &Far2lFakeHost::get_msg);
    place(kControlAt, &Far2lFakeHost::control);
    place(kFsfAt, &fsf);
    place(static_cast<std::size_t>(layout.dialog_init), &Far2lFakeHost::dialog_init);
    place(static_cast<std::size_t>(layout.dialog_run), &Far2lFakeHost::dialog_run);
    place(static_cast<std::size_t>(layout.dialog_free), &Far2lFakeHost::dialog_free);
    place(static_cast<std::size_t>(layout.send_dlg_message), &Far2lFakeHost::send_dlg_message);
    set_startup_info(info);
    // A module that kept a pointer into either record now reaches garbage.
    poison(storage);
    poison(fsf);
}

void Far2lFakeHost::set_names(const std::vector<std::u32string>& names) {
    items.clear();
    for (const auto& name : names) {
        items.push_back({name, std::nullopt, false});
    }
}

std::vector<int> Far2lFakeHost::selections() const {
    std::vector<int> counts(items.size());
    for (const Far2lCall& call : calls) {
        if (call.command == far2l::FCTL_SETSELECTION && call.param1 >= 0 &&
            static_cast<std::size_t>(call.param1) < counts.size()) {
            ++counts[static_cast<std::size_t>(call.param1)];
        }
    }
    return counts;
}

std::vector<int> Far2lFakeHost::selected_indices() const {
    std::vector<int> indices;
    const auto counts = selections();
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (counts[i] != 0) {
            indices.push_back(static_cast<int>(i));
        }
    }
    return indices;
}

std::vector<int> Far2lFakeHost::control_commands() const {
    std::vector<int> commands;
    for (const Far2lCall& call : calls) {
        if (call.command < kFar2lGetMsg) {
            commands.push_back(call.command);
        }
    }
    return commands;
}

const char32_t* Far2lFakeHost::text_of(int id) {
    if (no_language_file) {
        return nullptr;
    }
    if (id >= 0 && static_cast<std::size_t>(id) < messages.size()) {
        return messages[static_cast<std::size_t>(id)].c_str();
    }
    return id >= 0 && id < kMessageCount ? default_messages_[static_cast<std::size_t>(id)].c_str()
                                         : U"?";
}

const far2l::WChar* Far2lFakeHost::get_msg(far2l::IntPtr plugin_number, int id) {
    current->calls.push_back({kFar2lGetMsg, id, plugin_number});
    if (plugin_number != kModuleNumber) {
        current->violations.push_back("GetMsg with another module number");
    }
    return current->text_of(id);
}

int Far2lFakeHost::control(far2l::Handle panel, int command, int param1, far2l::IntPtr param2) {
    if (panel != far2l::kActivePanel) {
        current->violations.push_back("Control on a panel other than the active one");
        return 0;
    }
    return current->control_call(command, param1, param2);
}

int Far2lFakeHost::item_size(const Far2lItem& item) const {
    if (item.reported_size) {
        return *item.reported_size;
    }
    return static_cast<int>(sizeof(far2l::PluginPanelItem) + text_bytes(item.name));
}

// As the host does it: the record first, the name it points to after it in the same buffer,
// never more bytes than it reported.
void Far2lFakeHost::fill_item(const Far2lItem& item, std::byte* buffer) const {
    const auto size = static_cast<std::size_t>(item_size(item));
    std::vector<std::byte> full(sizeof(far2l::PluginPanelItem) + text_bytes(item.name));
    far2l::PluginPanelItem record{};
    if (item.name) {
        std::memcpy(full.data() + sizeof record, item.name->c_str(), text_bytes(item.name));
        record.FindData.lpwszFileName = reinterpret_cast<const char32_t*>(buffer + sizeof record);
    }
    std::memcpy(full.data(), &record, sizeof record);
    std::memcpy(buffer, full.data(), std::min(size, full.size()));
}

int Far2lFakeHost::control_call(int command, int param1, far2l::IntPtr param2) {
    calls.push_back({command, param1, param2});
    switch (command) {
        case far2l::FCTL_GETPANELINFO: {
            far2l::PanelInfo info{};
            info.PanelType = panel_type;
            info.Plugin = plugin_panel;
            info.ItemsNumber = items_number.value_or(static_cast<int>(items.size()));
            std::memcpy(reinterpret_cast<void*>(param2), &info, sizeof info);
            return 1;
        }
        case far2l::FCTL_GETPANELITEM: {
            calls.back().param2 = param2 == 0 ? 0 : 1;  // buffers differ run to run
            if (param1 < 0 || static_cast<std::size_t>(param1) >= items.size()) {
                violations.push_back("FCTL_GETPANELITEM outside the panel");
                return 0;
            }
            const Far2lItem& item = items[static_cast<std::size_t>(param1)];
            if (param2 == 0) {
                return item_size(item);
            }
            if (item.fill_fails) {
                return 0;
            }
            fill_item(item, reinterpret_cast<std::byte*>(param2));
            return item_size(item);
        }
        case far2l::FCTL_SETSELECTION:
            if (param1 < 0 || static_cast<std::size_t>(param1) >= items.size() || param2 != 1) {
                violations.push_back("FCTL_SETSELECTION outside the panel or not selecting");
                return 0;
            }
            return 1;
        default:
            return 1;
    }
}

far2l::Handle Far2lFakeHost::dialog_init(far2l::IntPtr plugin_number, int x1, int y1, int x2,
                                         int y2, const far2l::WChar* help,
                                         far2l::FarDialogItem* items, unsigned int count,
                                         far2l::Dword reserved, far2l::Dword flags,
                                         far2l::DlgProcFn proc, far2l::IntPtr param) {
    Far2lFakeHost& self = *current;
    self.calls.push_back({kFar2lDialogInit, static_cast<int>(count), plugin_number});
    if (plugin_number != kModuleNumber) {
        self.violations.push_back("DialogInit with another module number");
    }
    self.dialog_items.assign(items, items + count);
    self.dialog_texts.clear();
    for (const far2l::FarDialogItem& item : self.dialog_items) {
        self.dialog_texts.emplace_back(item.PtrData != nullptr ? item.PtrData : U"");
    }
    self.dialog_init_args = {x1,
                             y1,
                             x2,
                             y2,
                             static_cast<int>(count),
                             static_cast<int>(reserved),
                             static_cast<int>(flags)};
    self.dialog_help_topic = help != nullptr ? std::optional<std::u32string>(help) : std::nullopt;
    self.dialog_init_had_extras = proc != nullptr || param != 0;
    if (self.dialog.create_fails) {
        return far2l::kInvalidHandle;
    }
    ++self.open_dialogs;
    return kDialog;
}

// Called with anything but the dialog it opened, the real host crashes.
bool Far2lFakeHost::is_open_dialog(far2l::Handle handle, const char* service) {
    if (handle != kDialog || open_dialogs <= 0) {
        violations.push_back(std::string(service) + " of no open dialog");
        return false;
    }
    return true;
}

int Far2lFakeHost::dialog_run(far2l::Handle dialog) {
    Far2lFakeHost& self = *current;
    self.calls.push_back({kFar2lDialogRun, 0, dialog == kDialog});
    return self.is_open_dialog(dialog, "DialogRun") ? self.dialog.closed_by : -1;
}

void Far2lFakeHost::dialog_free(far2l::Handle dialog) {
    Far2lFakeHost& self = *current;
    self.calls.push_back({kFar2lDialogFree, 0, dialog == kDialog});
    if (self.is_open_dialog(dialog, "DialogFree")) {
        --self.open_dialogs;
    }
}

far2l::IntPtr Far2lFakeHost::send_dlg_message(far2l::Handle dialog, int msg, int param1,
                                              far2l::IntPtr param2) {
    Far2lFakeHost& self = *current;
    self.calls.push_back({kFar2lSendDlgMessage, msg, param1});
    if (!self.is_open_dialog(dialog, "SendDlgMessage")) {
        return 0;
    }
    if (param2 != 0 || param1 < 0 || static_cast<std::size_t>(param1) >= self.dialog_items.size()) {
        self.violations.push_back("unexpected dialog message arguments");
        return 0;
    }
    const auto item = static_cast<std::size_t>(param1);
    if (msg == far2l::DM_GETCHECK) {
        const auto& scripted = self.dialog.checks[item];
        return scripted ? *scripted : static_cast<std::int32_t>(self.dialog_items[item].Selected);
    }
    if (msg == far2l::DM_GETCONSTTEXTPTR) {
        if (!self.dialog.edit_text) {
            self.dialog.edit_text = self.dialog_texts[item];
        }
        return reinterpret_cast<far2l::IntPtr>(self.dialog.edit_text->c_str());
    }
    return 0;
}

int Far2lFakeHost::menu(far2l::IntPtr plugin_number, int x, int y, int max_height,
                        far2l::Dword flags, const far2l::WChar* title, const far2l::WChar* bottom,
                        const far2l::WChar* help_topic, const int* break_keys, int* break_code,
                        const far2l::FarMenuItem* items, int count) {
    Far2lFakeHost& self = *current;
    self.calls.push_back({kFar2lMenu, count, plugin_number});
    if (plugin_number != kModuleNumber) {
        self.violations.push_back("Menu with another module number");
    }
    Far2lMenuShown shown =
        self.read_menu(flags, title, bottom, help_topic, break_keys, items, count);
    shown.placement = {x, y, max_height};
    const int chosen = self.close_menu(shown, break_code);
    self.menus.push_back(std::move(shown));
    return chosen;
}

// As the host reads them: each item as the 20-byte record, unless the flags say otherwise.
Far2lMenuShown Far2lFakeHost::read_menu(far2l::Dword flags, const far2l::WChar* title,
                                        const far2l::WChar* bottom, const far2l::WChar* help_topic,
                                        const int* break_keys, const far2l::FarMenuItem* lines,
                                        int count) {
    Far2lMenuShown shown;
    shown.flags = flags;
    shown.title = text_or_empty(title);
    shown.bottom = text_or_empty(bottom);
    shown.help_topic = text_or_empty(help_topic);
    if ((flags & far2l::FMENU_USEEXT) != 0) {
        violations.push_back("Menu told to read the larger item record");
    }
    for (; break_keys != nullptr && *break_keys != 0; ++break_keys) {
        if (shown.break_keys.size() == kMostBreakKeys) {
            violations.push_back("Menu break keys not ended by 0");
            break;
        }
        shown.break_keys.push_back(*break_keys);
    }
    if (count > 0 && lines == nullptr) {
        violations.push_back("Menu items missing");
        count = 0;
    }
    for (int i = 0; i < count; ++i) {
        const far2l::FarMenuItem item = lines[i];
        if (item.Text == nullptr || item.Checked != 0 || item.Separator != 0) {
            violations.push_back("a menu item without text, or checked, or a separator");
        }
        if (item.Selected != 0 && shown.selected < 0) {
            shown.selected = i;
        }
        shown.items.push_back(text_or_empty(item.Text));
    }
    return shown;
}

int Far2lFakeHost::close_menu(const Far2lMenuShown& shown, int* break_code) {
    Far2lMenuAnswer answer;
    if (!menu_answers.empty()) {
        answer = menu_answers.front();
        menu_answers.pop_front();
    }
    if (answer.key < 0) {
        return answer.line;
    }
    if (break_code == nullptr || static_cast<std::size_t>(answer.key) >= shown.break_keys.size()) {
        violations.push_back("a break key pressed that the menu does not have");
        return -1;
    }
    *break_code = answer.key;
    // Pressed where the cursor opened.
    return answer.line >= 0 ? answer.line : std::max(shown.selected, 0);
}

int Far2lFakeHost::message(far2l::IntPtr plugin_number, far2l::Dword flags,
                           const far2l::WChar* help_topic, const far2l::WChar* const* items,
                           int count, int buttons) {
    Far2lFakeHost& self = *current;
    self.calls.push_back({kFar2lMessage, count, plugin_number});
    if (plugin_number != kModuleNumber) {
        self.violations.push_back("Message with another module number");
    }
    if (items == nullptr || count < 2) {
        self.violations.push_back("a message box the host would not show");
        return -1;
    }
    if ((flags & kMessageButtonSets) == 0 && buttons == 0) {
        self.violations.push_back("a message box without buttons, gone at once");
    }
    Far2lMessageShown shown{flags, text_or_empty(help_topic), {}};
    for (int i = 0; i < count; ++i) {
        if (items[i] == nullptr) {
            self.violations.push_back("a message line without text");
        }
        shown.items.push_back(text_or_empty(items[i]));
    }
    self.message_boxes.push_back(std::move(shown));
    return 0;  // OK
}

int Far2lFakeHost::copy_to_clipboard(const far2l::WChar* data) {
    Far2lFakeHost& self = *current;
    self.calls.push_back({kFar2lCopyToClipboard, 0, 0});
    if (data == nullptr) {
        self.violations.push_back("CopyToClipboard with no text");  // the host would crash
        return far2l::kFalse;
    }
    self.copied.emplace_back(data);
    const bool copied =
        self.clipboard_writer ? self.clipboard_writer(self.copied.back()) : !self.copy_fails;
    return copied ? far2l::kTrue : far2l::kFalse;
}

}  // namespace pickwell::testing
