#include "fake_host.h"

#include <algorithm>
#include <cstring>

namespace pickwell::testing {
namespace {

FakeHost* current = nullptr;
constexpr far2::IntPtr kModuleNumber = 0x5A;
far2::Handle const kDialog = reinterpret_cast<far2::Handle>(0xD1A106);

}  // namespace

FakeHost::FakeHost() {
    // One host at a time: the service table is plain functions that reach it through `current`.
    current = this;
}

FakeHost::~FakeHost() {
    current = nullptr;
}

far2::PluginStartupInfo FakeHost::startup_info(const char16_t* root_key) {
    far2::PluginStartupInfo info{};
    info.StructSize = sizeof info;
    info.ModuleName = u"C:\\Far\\Plugins\\Pickwell\\Pickwell.dll";
    info.ModuleNumber = kModuleNumber;
    info.RootKey = root_key;
    info.GetMsg = &FakeHost::get_msg;
    info.Control = &FakeHost::control;
    info.DialogInit = &FakeHost::dialog_init;
    info.DialogRun = &FakeHost::dialog_run;
    info.DialogFree = &FakeHost::dialog_free;
    info.SendDlgMessage = &FakeHost::send_dlg_message;
    return info;
}

std::vector<int> FakeHost::selections() const {
    std::vector<int> counts(items.size());
    for (const HostCall& call : calls) {
        if (call.command == far2::FCTL_SETSELECTION && call.param1 >= 0 &&
            static_cast<std::size_t>(call.param1) < counts.size()) {
            ++counts[static_cast<std::size_t>(call.param1)];
        }
    }
    return counts;
}

std::vector<int> FakeHost::selected_indices() const {
    return indices_selected(selections());
}

std::vector<int> FakeHost::control_commands() const {
    std::vector<int> commands;
    for (const HostCall& call : calls) {
        if (call.command < kGetMsgCall) {
            commands.push_back(call.command);
        }
    }
    return commands;
}

const far2::WChar* FakeHost::get_msg(far2::IntPtr plugin_number, int id) {
    current->calls.push_back({kGetMsgCall, id, plugin_number});
    if (plugin_number != kModuleNumber) {
        current->violations.push_back("GetMsg with another module number");
    }
    return current->text_of(id);
}

int FakeHost::control(far2::Handle panel, int command, int param1, far2::IntPtr param2) {
    if (panel != far2::kActivePanel) {
        current->violations.push_back("Control on a panel other than the active one");
        return 0;
    }
    return current->control_call(command, param1, param2);
}

int FakeHost::item_size(const FakeItem& item) const {
    if (item.reported_size) {
        return *item.reported_size;
    }
    return static_cast<int>(sizeof(far2::PluginPanelItem) + text_bytes(item.name) +
                            text_bytes(item.short_name));
}

// As the host does it: the record first, the strings it points to after it in the same buffer,
// never more bytes than it reported.
void FakeHost::fill_item(const FakeItem& item, std::byte* buffer) const {
    const auto size = static_cast<std::size_t>(item_size(item));
    std::vector<std::byte> full(sizeof(far2::PluginPanelItem) + text_bytes(item.name) +
                                text_bytes(item.short_name));
    far2::PluginPanelItem record{};
    std::byte* strings = full.data() + sizeof record;
    const auto place = [&](const std::optional<std::u16string>& text) -> const char16_t* {
        if (!text) {
            return nullptr;
        }
        std::memcpy(strings, text->c_str(), text_bytes(text));
        const auto* placed = reinterpret_cast<const char16_t*>(strings);
        strings += text_bytes(text);
        return placed;
    };
    record.FindData.lpwszFileName = place(item.name);
    record.FindData.lpwszAlternateFileName = place(item.short_name);
    std::memcpy(full.data(), &record, sizeof record);
    // Pointers are into `full`; move them to where the module's buffer holds the strings.
    const auto rebase = [&](const char16_t*& text) {
        if (text != nullptr) {
            text = reinterpret_cast<const char16_t*>(
                buffer + (reinterpret_cast<const std::byte*>(text) - full.data()));
        }
    };
    far2::PluginPanelItem moved = record;
    rebase(moved.FindData.lpwszFileName);
    rebase(moved.FindData.lpwszAlternateFileName);
    std::memcpy(full.data(), &moved, sizeof moved);
    std::memcpy(buffer, full.data(), std::min(size, full.size()));
}

int FakeHost::control_call(int command, int param1, far2::IntPtr param2) {
    calls.push_back({command, param1, param2});
    switch (command) {
        case far2::FCTL_GETPANELINFO: {
            far2::PanelInfo info{};
            info.PanelType = panel_type;
            info.Plugin = plugin_panel;
            info.ItemsNumber = items_number.value_or(static_cast<int>(items.size()));
            std::memcpy(reinterpret_cast<void*>(param2), &info, sizeof info);
            return 1;
        }
        case far2::FCTL_GETPANELITEM: {
            calls.back().param2 = param2 == 0 ? 0 : 1;  // buffers differ run to run
            if (param1 < 0 || static_cast<std::size_t>(param1) >= items.size()) {
                violations.push_back("FCTL_GETPANELITEM outside the panel");
                return 0;
            }
            const FakeItem& item = items[static_cast<std::size_t>(param1)];
            if (param2 == 0) {
                return item_size(item);
            }
            if (item.fill_fails) {
                return 0;
            }
            fill_item(item, reinterpret_cast<std::byte*>(param2));
            return 1;
        }
        case far2::FCTL_SETSELECTION:
            if (param1 < 0 || static_cast<std::size_t>(param1) >= items.size() || param2 != 1) {
                violations.push_back("FCTL_SETSELECTION outside the panel or not selecting");
                return 0;
            }
            return 1;
        default:
            return 1;
    }
}

far2::Handle FakeHost::dialog_init(far2::IntPtr plugin_number, int x1, int y1, int x2, int y2,
                                   const far2::WChar* help, far2::FarDialogItem* items,
                                   unsigned int count, far2::Dword reserved, far2::Dword flags,
                                   far2::DlgProcFn proc, far2::IntPtr param) {
    FakeHost& self = *current;
    self.calls.push_back({kDialogInitCall, static_cast<int>(count), plugin_number});
    self.dialog_items.assign(items, items + count);
    self.edit_text_at_init = count > 2 && items[2].PtrData != nullptr ? items[2].PtrData : u"";
    self.dialog_init_args = {x1,
                             y1,
                             x2,
                             y2,
                             static_cast<int>(count),
                             static_cast<int>(reserved),
                             static_cast<int>(flags)};
    self.dialog_init_had_extras = help != nullptr || proc != nullptr || param != 0;
    if (self.dialog.create_fails) {
        return far2::kInvalidHandle;
    }
    ++self.open_dialogs;
    return kDialog;
}

int FakeHost::dialog_run(far2::Handle dialog) {
    current->calls.push_back({kDialogRunCall, 0, dialog == kDialog});
    return current->dialog.closed_by;
}

void FakeHost::dialog_free(far2::Handle dialog) {
    current->calls.push_back({kDialogFreeCall, 0, dialog == kDialog});
    --current->open_dialogs;
}

far2::IntPtr FakeHost::send_dlg_message(far2::Handle dialog, int msg, int param1,
                                        far2::IntPtr param2) {
    FakeHost& self = *current;
    self.calls.push_back({kSendDlgMessageCall, msg, param1});
    if (dialog != kDialog || param2 != 0 || param1 < 0 ||
        static_cast<std::size_t>(param1) >= self.dialog_items.size()) {
        self.violations.push_back("unexpected dialog message arguments");
        return 0;
    }
    const auto item = static_cast<std::size_t>(param1);
    if (msg == far2::DM_GETCHECK) {
        const auto& scripted = self.dialog.checks[item];
        return scripted ? *scripted : static_cast<std::int32_t>(self.dialog_items[item].Selected);
    }
    if (msg == far2::DM_GETCONSTTEXTPTR) {
        if (!self.dialog.edit_text) {
            self.dialog.edit_text = self.edit_text_at_init;
        }
        return reinterpret_cast<far2::IntPtr>(self.dialog.edit_text->c_str());
    }
    return 0;
}

}  // namespace pickwell::testing
