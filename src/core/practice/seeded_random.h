#pragma once

#include <cstdint>
#include <random>

namespace uc::practice {

// Numbers from a seed that are the same with every standard library: mt19937_64's output is
// fixed by the standard, the distributions are not, so the range reduction is our own.
class SeededRandom {
 public:
  explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}

  // Uniform in [0, bound); bound must be positive.
  std::uint64_t below(std::uint64_t bound);

 private:
  std::mt19937_64 engine_;
};

}  // namespace uc::practice
