// The one way into a module from its host: nothing may unwind out of an exported function.
#pragma once

namespace pickwell {

// `work()`, or `neutral` when it throws.
template <typename Result, typename Work>
Result guarded(Result neutral, Work work) noexcept {
    try {
        return work();
    } catch (...) {
        return neutral;
    }
}

}  // namespace pickwell
