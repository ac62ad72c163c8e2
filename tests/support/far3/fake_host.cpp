#include "fake_host.h"

#include <algorithm>
#include <cstring>
#include <ostream>

namespace pickwell::testing {
namespace {

FakeFar3Host* current = nullptr;
far3::Handle const kDialog = reinterpret_cast<far3::Handle>(0xD1A103);
constexpr std::size_t kLargestRecord = 65536;  // larger ones the host rejects as unreasonable

std::int64_t flag_of(const void* pointer) {
    return pointer != nullptr ? 1 : 0;
}

// A text read as a number, as the host's database does it: its leading integer, else 0.
std::uint64_t leading_integer(const std::u16string& text) {
    std::size_t at = text.find_first_not_of(u' ');
    if (at == std::u16string::npos) {
        return 0;
    }
    const bool negative = text[at] == u'-';
    if (text[at] == u'-' || text[at] == u'+') {
        ++at;
    }
    std::uint64_t number = 0;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
        number = number * 10 + static_cast<std::uint64_t>(text[at] - u'0');
    }
    return negative ? 0 - number : number;
}

std::u16string text_or_empty(const far3::WChar* text) {
    return text != nullptr ? text : u"";
}

// A key's modifiers as the host compares them: either Ctrl as the left one, either Alt as the
// left one, Shift; no other state.
far3::Dword modifiers(far3::Dword state) {
    constexpr far3::Dword kRightAlt = 0x1, kLeftAlt = 0x2;
    const far3::Dword ctrl = far3::kLeftCtrlPressed | far3::kRightCtrlPressed;
    return ((state & ctrl) != 0 ? far3::kLeftCtrlPressed : 0) |
           ((state & (kLeftAlt | kRightAlt)) != 0 ? kLeftAlt : 0) | (state & far3::kShiftPressed);
}

// More break keys than a module would ever give: the end was not marked.
constexpr std::size_t kMostBreakKeys = 64;

std::string ascii(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return out;
}

std::u16string decimal(std::uint64_t number) {
    const std::string digits = std::to_string(static_cast<std::int64_t>(number));
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

std::vector<std::u16string> numbered_texts() {
    std::vector<std::u16string> texts;
    // More than the module has: the Wine host sees none of its headers.
    constexpr int kTexts = 32;
    for (int id = 0; id < kTexts; ++id) {
        std::u16string& text = texts.emplace_back(u"m");
        for (const char digit : std::to_string(id)) {
            text += static_cast<char16_t>(digit);
        }
    }
    texts[10] += u" %1";
    texts[12] += u" %1";
    texts[14] += u" %1 of %2";
    texts[17] += u" %1";
    texts[23] += u" %1";
    return texts;
}

Far3Call panel_call(int command, std::int64_t param1, std::int64_t param2) {
    return {Far3Service::PanelControl, command, param1, param2, u""};
}

Far3Call settings_call(int command, const char16_t* name, int type) {
    return {Far3Service::SettingsControl, command, 0, type, name};
}

std::ostream& operator<<(std::ostream& out, const Far3Call& call) {
    static const char* const services[] = {
        "GetMsg",     "PanelControl",    "DialogInit", "DialogRun", "SendDlgMessage",
        "DialogFree", "SettingsControl", "Menu",       "Message",   "CopyToClipboard"};
    out << services[static_cast<int>(call.service)] << '(' << call.command << ", " << call.param1
        << ", " << call.param2;
    if (!call.name.empty()) {
        out << ", " << ascii(call.name);
    }
    return out << ')';
}

std::ostream& operator<<(std::ostream& out, const Far3Setting& setting) {
    if (setting.type == far3::FST_QWORD) {
        return out << "qword " << setting.number;
    }
    return out << "string \"" << ascii(setting.text) << '"';
}

Far3Setting qword_setting(std::uint64_t number) {
    return {far3::FST_QWORD, number, u""};
}

Far3Setting string_setting(std::u16string text) {
    return {far3::FST_STRING, 0, std::move(text)};
}

namespace {

MacroValue copied_value(const far3::FarMacroValue& value) {
    MacroValue copy;
    copy.type = value.Type;
    if (value.Type == far3::FMVT_INTEGER) {
        copy.integer = value.Integer;
    } else if (value.Type == far3::FMVT_STRING) {
        copy.text = text_or_empty(value.String);
    } else if (value.Type == far3::FMVT_ARRAY) {
        for (std::size_t i = 0; i < value.Array.Count; ++i) {
            copy.array.push_back(copied_value(value.Array.Values[i]));
        }
    }
    return copy;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const MacroValue& value) {
    switch (value.type) {
        case far3::FMVT_INTEGER:
            return out << value.integer;
        case far3::FMVT_STRING:
            return out << '"' << ascii(value.text) << '"';
        case far3::FMVT_ARRAY: {
            out << '{';
            const char* separator = "";
            for (const MacroValue& element : value.array) {
                out << separator << element;
                separator = ", ";
            }
            return out << '}';
        }
        default:
            return out << "(type " << value.type << ')';
    }
}

MacroValue macro_number(std::int64_t number) {
    return {far3::FMVT_INTEGER, number, u"", {}};
}

MacroValue macro_array(const std::vector<std::u16string>& texts) {
    MacroValue array{far3::FMVT_ARRAY, 0, u"", {}};
    for (const std::u16string& text : texts) {
        array.array.push_back({far3::FMVT_STRING, 0, text, {}});
    }
    return array;
}

std::optional<std::vector<MacroValue>> macro_values(far3::Handle result) {
    if (result == nullptr) {
        return std::nullopt;
    }
    auto* call = static_cast<far3::FarMacroCall*>(result);
    if (call->StructSize != sizeof *call || call->Callback == nullptr || call->Values == nullptr) {
        return std::vector{MacroValue{-1, 0, u"", {}}};
    }
    std::vector<MacroValue> values;
    for (std::size_t i = 0; i < call->Count; ++i) {
        values.push_back(copied_value(call->Values[i]));
    }
    call->Callback(call->CallbackData, call->Values, call->Count);
    return values;
}

std::optional<std::int64_t> macro_integer(far3::Handle result) {
    const std::optional<std::vector<MacroValue>> values = macro_values(result);
    if (!values) {
        return std::nullopt;
    }
    if (values->size() != 1 || values->front().type != far3::FMVT_INTEGER) {
        return kMalformedMacroResult;
    }
    return values->front().integer;
}

far3::FarMacroValue macro_string(const char16_t* text) {
    far3::FarMacroValue value{};
    value.Type = far3::FMVT_STRING;
    value.String = text;
    return value;
}

far3::FarMacroValue macro_double(double number) {
    far3::FarMacroValue value{};
    value.Type = far3::FMVT_DOUBLE;
    value.Double = number;
    return value;
}

far3::FarMacroValue macro_value_of_type(int type) {
    far3::FarMacroValue value{};
    value.Type = type;
    return value;
}

std::size_t far3_item_size(const FakeItem& item) {
    return sizeof(far3::PluginPanelItem) + text_bytes(item.name) + text_bytes(item.short_name);
}

FakeFar3Host::FakeFar3Host() {
    // One host at a time: the service table is plain functions that reach it through `current`.
    current = this;
    functions.StructSize = sizeof functions;
    functions.CopyToClipboard = &FakeFar3Host::copy_to_clipboard;
}

FakeFar3Host::~FakeFar3Host() {
    current = nullptr;
}

far3::PluginStartupInfo FakeFar3Host::startup_info() {
    far3::PluginStartupInfo info{};
    info.StructSize = sizeof info;
    info.ModuleName = u"C:\\Far\\Plugins\\Pickwell\\Pickwell.dll";
    info.Menu = &FakeFar3Host::menu;
    info.Message = &FakeFar3Host::message;
    info.GetMsg = &FakeFar3Host::get_msg;
    info.PanelControl = &FakeFar3Host::panel_control;
    info.FSF = &functions;
    info.DialogInit = &FakeFar3Host::dialog_init;
    info.DialogRun = &FakeFar3Host::dialog_run;
    info.DialogFree = &FakeFar3Host::dialog_free;
    info.SendDlgMessage = &FakeFar3Host::send_dlg_message;
    info.SettingsControl = &FakeFar3Host::settings_control;
    return info;
}

std::vector<int> FakeFar3Host::selections() const {
    std::vector<int> counts(items.size());
    for (const Far3Call& call : calls) {
        if (call.service == Far3Service::PanelControl && call.command == far3::FCTL_SETSELECTION &&
            call.param1 >= 0 && static_cast<std::size_t>(call.param1) < counts.size()) {
            ++counts[static_cast<std::size_t>(call.param1)];
        }
    }
    return counts;
}

std::vector<std::int64_t> FakeFar3Host::panel_commands() const {
    std::vector<std::int64_t> commands;
    for (const Far3Call& call : calls_of(Far3Service::PanelControl)) {
        commands.push_back(call.command);
    }
    return commands;
}

std::vector<Far3Call> FakeFar3Host::calls_of(Far3Service service) const {
    std::vector<Far3Call> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                 [&](const Far3Call& call) { return call.service == service; });
    return found;
}

// As the host checks every record a plug-in passes in.
template <typename Record>
bool FakeFar3Host::accepts(const Record* record, const char* what) {
    if (record == nullptr || record->StructSize < sizeof(Record) ||
        record->StructSize > kLargestRecord) {
        violations.push_back(std::string("a record the host rejects: ") + what);
        return false;
    }
    return true;
}

const far3::WChar* FakeFar3Host::get_msg(const far3::Uuid* plugin_id, far3::IntPtr id) {
    current->calls.push_back({Far3Service::GetMsg, id, 0, 0, u""});
    if (plugin_id == nullptr || *plugin_id != current->plugin_guid) {
        current->violations.push_back("GetMsg for another plug-in");
        return u"";
    }
    return current->text_of(static_cast<int>(id));
}

far3::IntPtr FakeFar3Host::panel_control(far3::Handle panel, int command, far3::IntPtr param1,
                                         void* param2) {
    if (panel != far3::kActivePanel) {
        current->violations.push_back("PanelControl on a panel other than the active one");
        return 0;
    }
    return current->panel_call_made(command, param1, param2);
}

far3::IntPtr FakeFar3Host::panel_call_made(int command, far3::IntPtr param1, void* param2) {
    const bool selection = command == far3::FCTL_SETSELECTION;
    calls.push_back(panel_call(
        command, param1, selection ? reinterpret_cast<far3::IntPtr>(param2) : flag_of(param2)));
    const bool inside = param1 >= 0 && static_cast<std::size_t>(param1) < items.size();
    switch (command) {
        case far3::FCTL_GETPANELINFO: {
            auto* info = static_cast<far3::PanelInfo*>(param2);
            if (!accepts(info, "PanelInfo") || panel_info_fails) {
                return 0;
            }
            // The host overwrites the whole record before it fills it in.
            *info = {};
            info->StructSize = sizeof *info;
            info->PanelType = panel_type;
            info->Flags = panel_flags;
            info->ItemsNumber = items_number.value_or(items.size());
            return 1;
        }
        case far3::FCTL_GETPANELITEM: {
            if (!inside) {
                violations.push_back("FCTL_GETPANELITEM outside the panel");
                return 0;
            }
            auto* request = static_cast<far3::FarGetPluginPanelItem*>(param2);
            if (request != nullptr && !accepts(request, "FarGetPluginPanelItem")) {
                return 0;
            }
            return panel_item(static_cast<std::size_t>(param1), request);
        }
        case far3::FCTL_SETSELECTION:
            // The host indexes its items without a check: anything else would corrupt it.
            if (!inside || param2 != reinterpret_cast<void*>(far3::IntPtr{1})) {
                violations.push_back("FCTL_SETSELECTION outside the panel or not selecting");
                return 0;
            }
            return 1;
        case far3::FCTL_BEGINSELECTION:
        case far3::FCTL_ENDSELECTION:
        case far3::FCTL_REDRAWPANEL:
            if (param1 != 0 || param2 != nullptr) {
                violations.push_back("a panel command with arguments it takes none for");
            }
            return 1;
        default:
            violations.push_back("a panel command the module has no use for");
            return 0;
    }
}

// As the host fills an item: the record at the start of the buffer, the names after it, and
// from the first name that does not fit no name at all; the answer is the size the item needs.
far3::IntPtr FakeFar3Host::panel_item(std::size_t index, far3::FarGetPluginPanelItem* request) {
    const FakeItem& item = items[index];
    far3::IntPtr needed =
        item.reported_size ? *item.reported_size : static_cast<far3::IntPtr>(far3_item_size(item));
    if (request == nullptr || request->Item == nullptr ||
        request->Size < sizeof(far3::PluginPanelItem)) {
        return needed;
    }
    if (item.fill_fails) {
        return 0;
    }
    if (growing_items.contains(index)) {
        needed += static_cast<far3::IntPtr>(kGrowth);
    }
    auto* buffer = reinterpret_cast<std::byte*>(request->Item);
    std::size_t used = sizeof(far3::PluginPanelItem);
    bool full = false;
    const auto place = [&](const std::optional<std::u16string>& text) -> const char16_t* {
        full = full || (text && used + text_bytes(text) > request->Size);
        if (!text || full) {
            return nullptr;
        }
        std::memcpy(buffer + used, text->c_str(), text_bytes(text));
        const auto* placed = reinterpret_cast<const char16_t*>(buffer + used);
        used += text_bytes(text);
        return placed;
    };
    far3::PluginPanelItem record{};
    record.FileName = place(item.name);
    record.AlternateFileName = place(item.short_name);
    std::memcpy(buffer, &record, sizeof record);
    return needed;
}

far3::Handle FakeFar3Host::dialog_init(const far3::Uuid* plugin_id, const far3::Uuid* id,
                                       far3::IntPtr x1, far3::IntPtr y1, far3::IntPtr x2,
                                       far3::IntPtr y2, const far3::WChar* help,
                                       const far3::FarDialogItem* items, std::size_t count,
                                       far3::IntPtr reserved, far3::Flags64 flags,
                                       far3::DlgProcFn proc, void* param) {
    FakeFar3Host& self = *current;
    self.calls.push_back({Far3Service::DialogInit, static_cast<std::int64_t>(count), 0, 0, u""});
    if (plugin_id == nullptr || *plugin_id != self.plugin_guid || id == nullptr ||
        items == nullptr) {
        // The host reads the dialog's identity and its items; a wrong plug-in fails.
        self.violations.push_back("DialogInit without the plug-in's identity, a dialog's or items");
        return far3::kInvalidHandle;
    }
    self.dialog_guid = *id;
    // The host copies the items: nothing the module changes later reaches the dialog.
    self.dialog_items.assign(items, items + count);
    self.edit_text_at_init = count > 2 && items[2].Data != nullptr ? items[2].Data : u"";
    self.dialog_init_args = {x1,
                             y1,
                             x2,
                             y2,
                             static_cast<std::int64_t>(count),
                             reserved,
                             static_cast<std::int64_t>(flags)};
    self.dialog_help_topic = help != nullptr ? std::optional<std::u16string>(help) : std::nullopt;
    self.dialog_init_had_extras = proc != nullptr || param != nullptr;
    if (self.dialog.create_fails) {
        return far3::kInvalidHandle;
    }
    ++self.open_dialogs;
    return kDialog;
}

far3::IntPtr FakeFar3Host::dialog_run(far3::Handle dialog) {
    current->calls.push_back({Far3Service::DialogRun, 0, 0, dialog == kDialog ? 1 : 0, u""});
    return current->dialog.closed_by;
}

void FakeFar3Host::dialog_free(far3::Handle dialog) {
    current->calls.push_back({Far3Service::DialogFree, 0, 0, dialog == kDialog ? 1 : 0, u""});
    --current->open_dialogs;
    // The text handed out is the dialog's: it goes with it.
    current->answered_text_.reset();
}

far3::IntPtr FakeFar3Host::send_dlg_message(far3::Handle dialog, far3::IntPtr msg,
                                            far3::IntPtr param1, void* param2) {
    FakeFar3Host& self = *current;
    self.calls.push_back({Far3Service::SendDlgMessage, msg, param1, flag_of(param2), u""});
    if (dialog != kDialog || self.open_dialogs <= 0 || param2 != nullptr || param1 < 0 ||
        static_cast<std::size_t>(param1) >= self.dialog_items.size()) {
        self.violations.push_back("unexpected dialog message arguments");
        return 0;
    }
    const auto item = static_cast<std::size_t>(param1);
    if (msg == far3::DM_GETCHECK) {
        const auto& scripted = self.dialog.checks[item];
        return scripted ? *scripted : self.dialog_items[item].Selected;
    }
    if (msg == far3::DM_GETCONSTTEXTPTR) {
        self.answered_text_ = std::make_unique<std::u16string>(
            self.dialog.edit_text.value_or(self.edit_text_at_init));
        return reinterpret_cast<far3::IntPtr>(self.answered_text_->c_str());
    }
    self.violations.push_back("a dialog message the module has no use for");
    return 0;
}

far3::IntPtr FakeFar3Host::settings_control(far3::Handle settings, int command, far3::IntPtr param1,
                                            void* param2) {
    return current->settings_call_made(settings, command, param1, param2);
}

FakeFar3Host::SettingsSession* FakeFar3Host::session_of(far3::Handle handle) {
    for (const auto& session : sessions_) {
        if (session.get() == handle) {
            return session.get();
        }
    }
    violations.push_back("SettingsControl on a handle the host did not give out");
    return nullptr;
}

far3::IntPtr FakeFar3Host::settings_call_made(far3::Handle handle, int command, far3::IntPtr param1,
                                              void* param2) {
    auto* item = static_cast<far3::FarSettingsItem*>(param2);
    const bool names_a_value = command == far3::SCTL_GET || command == far3::SCTL_SET;
    const bool named = names_a_value && item != nullptr;
    calls.push_back({Far3Service::SettingsControl, command, param1, named ? item->Type : 0,
                     named && item->Name != nullptr ? item->Name : u""});
    if (command == far3::SCTL_CREATE) {
        auto* create = static_cast<far3::FarSettingsCreate*>(param2);
        if (handle != far3::kInvalidHandle || param1 != far3::PSL_ROAMING ||
            !accepts(create, "FarSettingsCreate") || create->Guid != plugin_guid) {
            violations.push_back("SCTL_CREATE other than for the plug-in's roaming store");
            return 0;
        }
        if (settings_create_fails) {
            return 0;
        }
        auto session = std::make_unique<SettingsSession>();
        create->Handle = session.get();
        sessions_.insert(std::move(session));
        ++open_settings;
        ++settings_opened;
        return 1;
    }
    SettingsSession* session = session_of(handle);
    if (session == nullptr) {
        return 0;
    }
    if (command == far3::SCTL_FREE) {
        // Freeing the handle ends its transaction: its writes are committed, its texts gone.
        for (auto& [name, value] : session->written) {
            settings[name] = value;
        }
        sessions_.erase(std::find_if(sessions_.begin(), sessions_.end(),
                                     [&](const auto& open) { return open.get() == session; }));
        --open_settings;
        return 1;
    }
    if (!names_a_value || !accepts(item, "FarSettingsItem") || item->Root != 0 ||
        item->Name == nullptr) {
        violations.push_back("a settings call other than a value at the root");
        return 0;
    }
    if (command == far3::SCTL_SET) {
        if (settings_writes_fail) {
            return 0;
        }
        if (item->Type == far3::FST_QWORD) {
            session->written[item->Name] = qword_setting(item->Number);
        } else if (item->Type == far3::FST_STRING && item->String != nullptr) {
            session->written[item->Name] = string_setting(item->String);
        } else {
            violations.push_back("SCTL_SET of a type the module does not store");
            return 0;
        }
        return 1;
    }
    // A handle reads what it wrote itself, else what is committed, converted to the type asked
    // for as the host's database converts it.
    const auto written = session->written.find(item->Name);
    const auto committed = settings.find(item->Name);
    const Far3Setting* stored = written != session->written.end() ? &written->second
                                : committed != settings.end()     ? &committed->second
                                                                  : nullptr;
    if (stored == nullptr) {
        return 0;
    }
    if (item->Type == far3::FST_QWORD) {
        item->Number =
            stored->type == far3::FST_QWORD ? stored->number : leading_integer(stored->text);
    } else if (item->Type == far3::FST_STRING) {
        session->texts_handed_out.push_back(
            stored->type == far3::FST_STRING ? stored->text : decimal(stored->number));
        item->String = session->texts_handed_out.back().c_str();
    } else {
        violations.push_back("SCTL_GET of a type the module does not store");
        return 0;
    }
    return 1;
}

far3::IntPtr FakeFar3Host::menu(const far3::Uuid* plugin_id, const far3::Uuid* id, far3::IntPtr x,
                                far3::IntPtr y, far3::IntPtr max_height, far3::Flags64 flags,
                                const far3::WChar* title, const far3::WChar* bottom,
                                const far3::WChar* help_topic, const far3::FarKey* break_keys,
                                far3::IntPtr* break_code, const far3::FarMenuItem* items,
                                std::size_t count) {
    FakeFar3Host& self = *current;
    self.calls.push_back({Far3Service::Menu, static_cast<std::int64_t>(count), 0, 0, u""});
    if (break_code != nullptr) {
        *break_code = -1;
    }
    // The host finds help topics through the plug-in's identity; the module never shows an
    // empty list.
    if (plugin_id == nullptr || *plugin_id != self.plugin_guid || items == nullptr || count == 0) {
        self.violations.push_back("Menu without the plug-in's identity, or without items");
        return -1;
    }
    Far3Menu shown;
    shown.guid = id != nullptr ? *id : far3::Uuid{};
    shown.place = {x, y, max_height};
    shown.flags = flags;
    shown.title = text_or_empty(title);
    shown.bottom = text_or_empty(bottom);
    shown.help_topic = text_or_empty(help_topic);
    for (std::size_t i = 0; i < count; ++i) {
        if (items[i].Text == nullptr) {
            self.violations.push_back("a menu item without text");
        }
        shown.items.push_back(text_or_empty(items[i].Text));
        shown.item_flags.push_back(items[i].Flags);
    }
    return self.menu_shown(std::move(shown), break_keys, break_code);
}

// As the host runs a menu: the cursor on the first selected item, then the scripted keys until
// one closes it.
far3::IntPtr FakeFar3Host::menu_shown(Far3Menu shown, const far3::FarKey* break_keys,
                                      far3::IntPtr* break_code) {
    for (std::size_t i = 0; break_keys != nullptr && break_keys[i].VirtualKeyCode != 0; ++i) {
        if (i == kMostBreakKeys) {
            violations.push_back("break keys without the key that ends them");
            return -1;
        }
        shown.break_keys.push_back(break_keys[i]);
    }
    if (break_keys != nullptr && break_code == nullptr) {
        violations.push_back("break keys without a place for the key pressed");
    }
    const auto& flags = shown.item_flags;
    if (std::count_if(flags.begin(), flags.end(),
                      [](far3::Flags64 f) { return (f & far3::MIF_SELECTED) != 0; }) > 1) {
        violations.push_back("more than one menu item selected");
    }
    const auto first_selected = std::find_if(
        flags.begin(), flags.end(), [](far3::Flags64 f) { return (f & far3::MIF_SELECTED) != 0; });
    std::size_t cursor = first_selected != flags.end()
                             ? static_cast<std::size_t>(first_selected - flags.begin())
                             : 0;
    const std::vector<far3::FarKey> keys = shown.break_keys;
    const std::size_t lines = shown.items.size();
    menus.push_back(std::move(shown));
    while (!menu_keys.empty()) {
        const Far3MenuKey pressed = menu_keys.front();
        menu_keys.pop_front();
        cursor = std::min(pressed.line.value_or(cursor), lines - 1);
        if (pressed.key.VirtualKeyCode == kEscKey.VirtualKeyCode) {
            return -1;
        }
        if (pressed.key.VirtualKeyCode == kEnterKey.VirtualKeyCode) {
            return static_cast<far3::IntPtr>(cursor);
        }
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (keys[k].VirtualKeyCode == pressed.key.VirtualKeyCode &&
                modifiers(keys[k].ControlKeyState) == modifiers(pressed.key.ControlKeyState)) {
                if (break_code != nullptr) {
                    *break_code = static_cast<far3::IntPtr>(k);
                }
                return static_cast<far3::IntPtr>(cursor);
            }
        }
    }
    return -1;
}

far3::IntPtr FakeFar3Host::message(const far3::Uuid* plugin_id, const far3::Uuid* id,
                                   far3::Flags64 flags, const far3::WChar* help_topic,
                                   const far3::WChar* const* items, std::size_t count,
                                   far3::IntPtr buttons) {
    FakeFar3Host& self = *current;
    self.calls.push_back({Far3Service::Message, static_cast<std::int64_t>(count), 0, 0, u""});
    // Fewer than a title and a line the host does not show; without its own buttons or some of
    // the module's, the box could not be closed with a button.
    constexpr far3::Flags64 kHostButtons = 0xF0000;
    if (plugin_id == nullptr || *plugin_id != self.plugin_guid || items == nullptr || count < 2 ||
        ((flags & kHostButtons) == 0 && buttons <= 0)) {
        self.violations.push_back("a message box the host would not show");
        return -1;
    }
    Far3MessageBox shown;
    shown.guid = id != nullptr ? *id : far3::Uuid{};
    shown.flags = flags;
    shown.help_topic = text_or_empty(help_topic);
    for (std::size_t i = 0; i < count; ++i) {
        if (items[i] == nullptr) {
            self.violations.push_back("a message line without text");
        }
        shown.items.push_back(text_or_empty(items[i]));
    }
    shown.buttons = buttons;
    self.message_boxes.push_back(std::move(shown));
    return 0;  // OK
}

// As the host writes its clipboard: FCT_ANY writes nothing, a null text empties it.
int FakeFar3Host::copy_to_clipboard(int type, const far3::WChar* data) {
    FakeFar3Host& self = *current;
    self.calls.push_back({Far3Service::CopyToClipboard, type, 0, flag_of(data), u""});
    constexpr int kColumn = 2;
    if (type != far3::FCT_STREAM && type != kColumn) {
        self.violations.push_back("CopyToClipboard of a type that writes nothing");
        return 0;
    }
    const std::u16string text = text_or_empty(data);
    const bool written =
        !self.copy_fails && (!self.clipboard_writer || self.clipboard_writer(text));
    if (written) {
        self.copied.push_back(text);
    }
    return written ? 1 : 0;
}

}  // namespace pickwell::testing
