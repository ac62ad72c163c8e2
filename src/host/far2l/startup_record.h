// The services of far2l's startup record that the module calls, wherever the host's version keeps
// them.
#pragma once

#include "host/far2l/plugin_api.h"

namespace pickwell::far2l {

// Each service the module calls, and the number every one of them asks for; null where the host's
// record has none, or none the module can be sure of.
struct HostServices {
    IntPtr module_number = 0;
    MenuFn menu = nullptr;
    MessageFn message = nullptr;
    GetMsgFn get_msg = nullptr;
    ControlFn control = nullptr;
    CopyToClipboardFn copy_to_clipboard = nullptr;  // from the helper table
    DialogInitFn dialog_init = nullptr;
    DialogRunFn dialog_run = nullptr;
    DialogFreeFn dialog_free = nullptr;
    SendDlgMessageFn send_dlg_message = nullptr;
};

// Reads the services out of the startup record and its helper table while the host still has
// them, each field only where it lies wholly inside the size its record states. The size tells the
// layout: exactly 260 bytes is far2l 2.4 to 2.6's, 276 or more 2.7's and later's. A record of any
// other size is of no layout known here: of it only the head every far2l shares is read, and it
// has no dialog services.
HostServices read_startup_record(const void* record);

}  // namespace pickwell::far2l
