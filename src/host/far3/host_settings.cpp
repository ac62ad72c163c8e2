#include "host/far3/host_settings.h"

#include <string>

namespace pickwell::far3 {
namespace {

// One handle of the host's store, or none; freeing it commits what was written through it.
class SettingsHandle final : public SettingsReading, public SettingsWriting {
  public:
    explicit SettingsHandle(const HostContext& host) : host_(host) {
        FarSettingsCreate create{};
        create.StructSize = sizeof create;
        create.Guid = kPluginGuid;
        if (host_.settings_control(kInvalidHandle, SCTL_CREATE, PSL_ROAMING, &create) != kFalse &&
            create.Handle != nullptr && create.Handle != kInvalidHandle) {
            handle_ = create.Handle;
        }
    }
    SettingsHandle(const SettingsHandle&) = delete;
    SettingsHandle& operator=(const SettingsHandle&) = delete;
    ~SettingsHandle() override {
        if (handle_ != nullptr) {
            (void)host_.settings_control(handle_, SCTL_FREE, 0, nullptr);
        }
    }

    // Any stored number as it is; the host converts a value stored as another type itself.
    std::optional<std::int64_t> number(const char16_t* name) override {
        FarSettingsItem item = item_named(name, FST_QWORD);
        if (!get(item)) {
            return std::nullopt;
        }
        return static_cast<std::int64_t>(item.Number);
    }
    // The host's text lives until the handle is freed: copied at once.
    std::optional<std::u16string> text(const char16_t* name) override {
        FarSettingsItem item = item_named(name, FST_STRING);
        if (!get(item) || item.String == nullptr) {
            return std::nullopt;
        }
        return std::u16string(item.String);
    }

    void number(const char16_t* name, std::int64_t value_to_store) override {
        FarSettingsItem item = item_named(name, FST_QWORD);
        item.Number = value_to_store != 0 ? 1 : 0;
        set(item);
    }
    void text(const char16_t* name, std::u16string_view value_to_store) override {
        const std::u16string terminated(value_to_store);
        FarSettingsItem item = item_named(name, FST_STRING);
        item.String = terminated.c_str();
        set(item);
    }

  private:
    static FarSettingsItem item_named(const char16_t* name, int type) {
        FarSettingsItem item{};
        item.StructSize = sizeof item;
        item.Root = 0;
        item.Name = name;
        item.Type = type;
        return item;
    }
    bool get(FarSettingsItem& item) const {
        return handle_ != nullptr && host_.settings_control(handle_, SCTL_GET, 0, &item) != kFalse;
    }
    // A write the host refuses is lost, as every write is without a handle.
    void set(FarSettingsItem& item) const {
        if (handle_ != nullptr) {
            (void)host_.settings_control(handle_, SCTL_SET, 0, &item);
        }
    }

    const HostContext& host_;
    Handle handle_ = nullptr;
};

}  // namespace

std::unique_ptr<SettingsReading> HostSettingsStore::open_for_reading() {
    return std::make_unique<SettingsHandle>(host_);
}

std::unique_ptr<SettingsWriting> HostSettingsStore::open_for_writing() {
    return std::make_unique<SettingsHandle>(host_);
}

}  // namespace pickwell::far3
