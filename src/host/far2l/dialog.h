// Dialogs through far2l's DialogInit, DialogRun and DialogFree.
#pragma once

#include <string>
#include <vector>

#include "core/dialog_runner.h"
#include "host/far2l/host_context.h"

namespace pickwell::far2l {

class HostDialogRunner final : public DialogRunner {
  public:
    explicit HostDialogRunner(const HostContext& host) : host_(host) {}

    bool run(const DialogRequest& request,
             const std::function<void(const DialogAnswers&)>& confirmed) override;

  private:
    const HostContext& host_;
};

// The host's items for `request`, and the UTF-32 texts they point at, owned together.
struct HostDialogItems {
    std::vector<std::u32string> texts;  // one per control; never moved once the items point in
    std::vector<FarDialogItem> items;
};

// An edit field takes `request.edit_capacity` - 1 characters (code points, as the host counts
// them); a longer text is cut to that.
HostDialogItems dialog_items(const DialogRequest& request);

}  // namespace pickwell::far2l
