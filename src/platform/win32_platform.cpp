#include "platform/win32_platform.h"

#include "platform/clipboard_win32.h"
#include "platform/collation_win32.h"
#include "platform/registry_win32.h"

namespace pickwell {

Platform& win32_platform() {
    static Win32Clipboard clipboard;
    static Win32Registry registry;
    static const Win32Collation collation;
    static Platform platform{clipboard, registry, collation};
    return platform;
}

}  // namespace pickwell
