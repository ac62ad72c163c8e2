// Dialogs through Far 3's DialogInit, DialogRun, SendDlgMessage and DialogFree.
#pragma once

#include <vector>

#include "core/dialog_runner.h"
#include "host/far3/host_context.h"

namespace pickwell::far3 {

class HostDialogRunner final : public DialogRunner {
  public:
    explicit HostDialogRunner(const HostContext& host) : host_(host) {}

    bool run(const DialogRequest& request,
             const std::function<void(const DialogAnswers&)>& confirmed) override;

  private:
    const HostContext& host_;
};

// The host's items for `request`. The edit field shows `edit_text`, which the caller keeps
// while the items are in use and which holds less than `request.edit_capacity` units.
std::vector<FarDialogItem> dialog_items(const DialogRequest& request, const char16_t* edit_text);

}  // namespace pickwell::far3
