#include "config/dialog_template.h"

#include <cstdint>

namespace pickwell {

std::vector<host::FarDialogItem> expand_templates(std::span<const DialogItemTemplate> templates,
                                                  const HostContext& host) {
    std::vector<host::FarDialogItem> items(templates.size());
    for (std::size_t i = 0; i < templates.size(); ++i) {
        const DialogItemTemplate& from = templates[i];
        host::FarDialogItem& item = items[i];
        item.Type = from.Type;
        item.X1 = from.X1;
        item.Y1 = from.Y1;
        item.X2 = from.X2;
        item.Y2 = from.Y2;
        item.Focus = from.Focus;
        item.Selected = static_cast<std::int32_t>(from.Selected);
        item.Flags = from.Flags;
        item.DefaultButton = from.DefaultButton;
        if (from.Message != 0) {
            item.PtrData = host.get_msg(static_cast<Message>(from.Message));
            item.MaxLen = 0;
        }
    }
    return items;
}

}  // namespace pickwell
