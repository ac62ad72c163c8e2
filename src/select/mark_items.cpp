#include "select/mark_items.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <utility>

namespace pickwell {
namespace {

// One panel item, in a zero-filled buffer of the size the host asked for, alive until the next
// item is fetched.
class FetchedItem {
  public:
    // Nothing for an item the host gives no size for, fails to fill, or that memory cannot hold.
    static std::optional<FetchedItem> fetch(const HostContext& host, int index) {
        const int size = host.control(host::FCTL_GETPANELITEM, index, host::IntPtr{0});
        if (size <= 0) {
            return std::nullopt;
        }
        // Never smaller than the record, so that reading it stays inside the buffer whatever
        // size the host states.
        const std::size_t bytes =
            std::max<std::size_t>(static_cast<std::size_t>(size), sizeof(host::PluginPanelItem));
        std::unique_ptr<std::byte[]> buffer(new (std::nothrow) std::byte[bytes]());
        if (!buffer || host.control(host::FCTL_GETPANELITEM, index, buffer.get()) == 0) {
            return std::nullopt;
        }
        return FetchedItem(std::move(buffer));
    }

    ItemNames names() const {
        host::PluginPanelItem item;
        std::memcpy(&item, buffer_.get(), sizeof item);
        const auto or_empty = [](const char16_t* text) { return text != nullptr ? text : u""; };
        return {or_empty(item.FindData.lpwszFileName),
                or_empty(item.FindData.lpwszAlternateFileName)};
    }

  private:
    explicit FetchedItem(std::unique_ptr<std::byte[]> buffer) : buffer_(std::move(buffer)) {}

    std::unique_ptr<std::byte[]> buffer_;
};

}  // namespace

void mark_matching_items(const HostContext& host, int items_number, NameMatcher& matcher) {
    for (int index = 0; index < items_number; ++index) {
        const auto item = FetchedItem::fetch(host, index);
        if (!item) {
            continue;
        }
        for (std::size_t n = matcher.count_matches(item->names()); n > 0; --n) {
            (void)host.control(host::FCTL_SETSELECTION, index, host::IntPtr{1});
        }
    }
}

}  // namespace pickwell
