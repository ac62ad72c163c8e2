#include "config/config_dialog.h"

#include <array>
#include <utility>

#include "config/dialog_template.h"

namespace pickwell {
namespace {

constexpr std::size_t kSeparatorsCapacity = 256;

// A dialog the host created, freed by the host when it goes.
class DialogHandle {
  public:
    DialogHandle(const HostContext& host, host::Handle handle) : host_(host), handle_(handle) {}
    DialogHandle(const DialogHandle&) = delete;
    DialogHandle& operator=(const DialogHandle&) = delete;
    ~DialogHandle() {
        if (*this) {
            host_.dialog_free(handle_);
        }
    }
    // Some hosts answer a failed creation with null rather than INVALID_HANDLE_VALUE.
    explicit operator bool() const { return handle_ != host::kInvalidHandle && handle_ != nullptr; }

    int run() const { return host_.dialog_run(handle_); }
    bool is_checked(int item) const {
        return host_.send_dlg_message(handle_, host::DM_GETCHECK, item, 0) != 0;
    }
    const host::WChar* text_of(int item) const {
        return reinterpret_cast<const host::WChar*>(
            host_.send_dlg_message(handle_, host::DM_GETCONSTTEXTPTR, item, 0));
    }

  private:
    const HostContext& host_;
    host::Handle handle_;
};

void store_settings(const DialogHandle& dialog, Registry& registry,
                    const SettingsKeyPath& settings_path) {
    const SettingsKey settings = SettingsKey::create_for_writing(registry, settings_path);
    // A key that cannot be created loses the writes; the dialog still counts as confirmed.
    (void)settings.write_flag(kCaseSensitive, dialog.is_checked(kCaseSensitiveBox));
    (void)settings.write_flag(kTrimSpaces, dialog.is_checked(kTrimSpacesBox));
    const host::WChar* separators = dialog.text_of(kSeparatorsEdit);
    (void)settings.write_string(kAddSeparators, separators != nullptr ? separators : u"");
}

}  // namespace

int run_config_dialog(int item_number, const HostContext& host, Registry& registry,
                      const SettingsKeyPath& settings_path) {
    if (item_number != 0) {
        return host::kFalse;
    }
    std::vector<host::FarDialogItem> items = expand_templates(kConfigDialog, host);
    std::array<char16_t, kSeparatorsCapacity> separators{};
    {
        const SettingsKey settings = SettingsKey::open_for_reading(registry, settings_path);
        (void)settings.read_string_into(kAddSeparators, separators);
        items[kSeparatorsEdit].PtrData = separators.data();
        items[kSeparatorsEdit].MaxLen = separators.size();
        items[kCaseSensitiveBox].Selected =
            settings.read_flag(kCaseSensitive, kCaseSensitiveDefault);
        items[kTrimSpacesBox].Selected = settings.read_flag(kTrimSpaces, kTrimSpacesDefault);
    }

    const DialogHandle dialog(
        host, host.dialog_init(-1, -1, 44, 11, items.data(), static_cast<unsigned>(items.size())));
    if (!dialog || dialog.run() != kOkButton) {
        return host::kFalse;
    }
    store_settings(dialog, registry, settings_path);
    return host::kTrue;
}

}  // namespace pickwell
