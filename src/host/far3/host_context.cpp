#include "host/far3/host_context.h"

#include <algorithm>
#include <cstring>

namespace pickwell::far3 {
namespace {

// SettingsControl is the last service the module calls; every host build it supports has it.
constexpr std::size_t kSizeUsed =
    offsetof(PluginStartupInfo, SettingsControl) + sizeof(SettingsControlFn);

// The host's record lives on its stack and may be shorter than ours: never more than it states.
template <typename Record>
void copy_stated_part(Record& ours, const Record* theirs) {
    std::memcpy(&ours, theirs, std::min(theirs->StructSize, sizeof ours));
}

}  // namespace

bool HostContext::save(const PluginStartupInfo* info) {
    info_ = {};
    fsf_ = {};
    if (info == nullptr || info->StructSize < kSizeUsed) {
        return false;
    }
    copy_stated_part(info_, info);
    if (info_.FSF != nullptr) {
        copy_stated_part(fsf_, info_.FSF);
        info_.FSF = &fsf_;
    }
    return true;
}

}  // namespace pickwell::far3
