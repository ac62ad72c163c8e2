// Seeded dice for the random test data: plain congruential steps which, unlike the standard
// distributions, give the same numbers on every library.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pickwell::testing {

class Dice {
  public:
    explicit Dice(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    std::size_t below(std::size_t n) {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::size_t>((state_ >> 33) % n);
    }
    bool one_in(std::size_t n) { return below(n) == 0; }

  private:
    std::uint64_t state_;
};

}  // namespace pickwell::testing
