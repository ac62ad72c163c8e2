// The module's texts under far2l: the host's from the language files, or built-in English ones
// where the host has none (its GetMsg returns null when it finds no language file).
#pragma once

#include <array>
#include <string>

#include "core/messages.h"
#include "host/far2l/host_context.h"

namespace pickwell::far2l {

// The English text of `id`, as PickwellEng.lng holds it; never null.
const WChar* builtin_text(Message id);

// The host's text of `id`, or the built-in one; never null, valid while the module is loaded.
const WChar* host_text(const HostContext& host, Message id);

// The texts in the core's UTF-16, each kept as long as this object.
class HostTexts final : public MessageTexts {
  public:
    explicit HostTexts(const HostContext& host) : host_(host) {}
    const char16_t* text(Message id) override;

  private:
    const HostContext& host_;
    std::array<std::u16string, kMessageCount> converted_;
};

}  // namespace pickwell::far2l
