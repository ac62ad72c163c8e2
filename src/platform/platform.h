// The services of the operating system that the module's logic uses, passed in as one bundle.
#pragma once

#include "platform/clipboard.h"
#include "platform/collation.h"
#include "platform/registry.h"

namespace pickwell {

struct Platform {
    Clipboard& clipboard;
    Registry& registry;
    const Collation& collation;
};

}  // namespace pickwell
