#include "core/practice/seeded_random.h"

#include <limits>

namespace uc::practice {

std::uint64_t SeededRandom::below(std::uint64_t bound) {
  if (bound <= 1) return 0;
  // Reject the top partial block so that every remainder is equally likely.
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  const std::uint64_t limit = kMax - kMax % bound;
  std::uint64_t draw = engine_();
  while (draw >= limit) draw = engine_();
  return draw % bound;
}

}  // namespace uc::practice
