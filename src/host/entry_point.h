// What every exported entry point is wrapped in: the host calls it from its own code, which
// knows nothing of C++ exceptions.
#pragma once

namespace pickwell {

// Runs `work`; whatever it throws (a failed allocation, mostly) ends as `neutral`, the result
// that tells the host nothing happened.
template <typename Result, typename Work>
Result guarded(Result neutral, Work work) noexcept {
    try {
        return work();
    } catch (...) {
        return neutral;
    }
}

}  // namespace pickwell
