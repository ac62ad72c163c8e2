#pragma once

#include "platform/clipboard.h"

namespace pickwell {

class Win32Clipboard final : public Clipboard {
  public:
    std::u16string ansi_to_wide(std::string_view ansi) const override;

  protected:
    bool try_open() override;
    void close() override;
    bool read_block(ClipboardFormat format, const ClipboardBlockReader& reader) override;
};

}  // namespace pickwell
