// far2l's own clipboard, through the WINPORT_ functions of the far2l executable, which the
// module finds when the host loads it.
#pragma once

#include "platform/far2l/clipboard.h"

namespace pickwell {

class HostWinPortClipboard final : public WinPortClipboard {
  protected:
    bool try_open() override;
    void close() override;
    WinPortFormat register_format(const char32_t* name) override;
    bool read_block(WinPortFormat format, const WinPortBlockReader& reader) override;
};

}  // namespace pickwell
