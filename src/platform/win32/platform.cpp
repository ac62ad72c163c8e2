#include "platform/win32/platform.h"

#include "platform/win32/clipboard.h"
#include "platform/win32/collation.h"
#include "platform/win32/registry.h"

namespace pickwell {

Platform& win32_platform() {
    static Win32Clipboard clipboard;
    static Win32Registry registry;
    static const Win32Collation collation;
    static Platform platform{clipboard, registry, collation};
    return platform;
}

}  // namespace pickwell
