// Dialogs through Far 2's DialogInit, DialogRun and DialogFree.
#pragma once

#include <span>
#include <vector>

#include "core/dialog_runner.h"
#include "host/far2/host_context.h"

namespace pickwell::far2 {

class HostDialogRunner final : public DialogRunner {
  public:
    explicit HostDialogRunner(const HostContext& host) : host_(host) {}

    bool run(const DialogRequest& request,
             const std::function<void(const DialogAnswers&)>& confirmed) override;

  private:
    const HostContext& host_;
};

// The host's items for `request`; an edit field's text is copied into `edit_buffer`, which
// must hold `request.edit_capacity` units, and its length is capped to fit.
std::vector<FarDialogItem> dialog_items(const DialogRequest& request,
                                        std::span<char16_t> edit_buffer);

}  // namespace pickwell::far2
