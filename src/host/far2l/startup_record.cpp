#include "host/far2l/startup_record.h"

#include <cstddef>
#include <cstring>
#include <optional>

namespace pickwell::far2l {
namespace {

// A record of the host's that begins with its size in bytes, read no further than that.
class StatedRecord {
  public:
    explicit StatedRecord(const void* record) : bytes_(static_cast<const std::byte*>(record)) {
        int stated = 0;
        std::memcpy(&stated, bytes_, sizeof stated);
        size_ = stated > 0 ? static_cast<std::size_t>(stated) : 0;
    }

    std::size_t size() const { return size_; }

    // The field of type `T` at `offset`; zero, or null, when it does not lie wholly inside.
    template <typename T>
    T field(std::size_t offset) const {
        T value{};
        if (offset <= size_ && sizeof value <= size_ - offset) {
            std::memcpy(&value, bytes_ + offset, sizeof value);
        }
        return value;
    }

  private:
    const std::byte* bytes_;
    std::size_t size_;
};

// Where the services from InputBox on begin in a record of `size` bytes; nothing when the size is
// neither layout's.
std::optional<std::size_t> tail_offset(std::size_t size) {
    if (size == sizeof(PluginStartupInfo26)) {
        return offsetof(PluginStartupInfo26, tail);
    }
    if (size >= sizeof(PluginStartupInfo27)) {
        return offsetof(PluginStartupInfo27, tail);
    }
    return std::nullopt;
}

CopyToClipboardFn copy_to_clipboard_in(const FarStandardFunctions* fsf) {
    if (fsf == nullptr) {
        return nullptr;
    }
    return StatedRecord(fsf).field<CopyToClipboardFn>(
        offsetof(FarStandardFunctions, CopyToClipboard));
}

}  // namespace

HostServices read_startup_record(const void* startup) {
    using Head = PluginStartupInfoHead;
    using Tail = PluginStartupInfoTail;
    const StatedRecord record(startup);
    HostServices services;
    services.module_number = record.field<IntPtr>(offsetof(Head, ModuleNumber));
    services.menu = record.field<MenuFn>(offsetof(Head, Menu));
    services.message = record.field<MessageFn>(offsetof(Head, Message));
    services.get_msg = record.field<GetMsgFn>(offsetof(Head, GetMsg));
    services.control = record.field<ControlFn>(offsetof(Head, Control));
    services.copy_to_clipboard =
        copy_to_clipboard_in(record.field<const FarStandardFunctions*>(offsetof(Head, FSF)));
    if (const std::optional<std::size_t> tail = tail_offset(record.size())) {
        services.dialog_init = record.field<DialogInitFn>(*tail + offsetof(Tail, DialogInit));
        services.dialog_run = record.field<DialogRunFn>(*tail + offsetof(Tail, DialogRun));
        services.dialog_free = record.field<DialogFreeFn>(*tail + offsetof(Tail, DialogFree));
        services.send_dlg_message =
            record.field<SendDlgMessageFn>(*tail + offsetof(Tail, SendDlgMessage));
    }
    return services;
}

}  // namespace pickwell::far2l
