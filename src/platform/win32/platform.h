#pragma once

#include "platform/platform.h"

namespace pickwell {

// The real clipboard, registry and comparison of the machine the module runs on.
Platform& win32_platform();

}  // namespace pickwell
