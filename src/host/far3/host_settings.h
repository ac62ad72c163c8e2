// Where Far 3 keeps the three settings: values at the root of the module's own store, which the
// host opens with SettingsControl and commits when the handle is freed. Nothing here reports a
// failure: a store that cannot be opened reads as the defaults and loses its writes.
#pragma once

#include "core/settings_store.h"
#include "host/far3/host_context.h"

namespace pickwell::far3 {

// A handle is opened for each reading and each writing and freed when that ends.
class HostSettingsStore final : public SettingsStore {
  public:
    explicit HostSettingsStore(const HostContext& host) : host_(host) {}

    std::unique_ptr<SettingsReading> open_for_reading() override;
    std::unique_ptr<SettingsWriting> open_for_writing() override;

  private:
    const HostContext& host_;
};

}  // namespace pickwell::far3
