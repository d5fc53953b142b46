// Time of one complete calculation, every step's text included, as the calculate screen runs it.
#include <benchmark/benchmark.h>

#include "core/solver/tiro_unit_circle.h"

namespace {

void solve(benchmark::State& state, const char* alpha, const char* b) {
  std::size_t steps = 0;
  for (auto _ : state) {
    const uc::SolveResult result = uc::calculate(alpha, b);
    steps = result.solutionSteps->size();
    benchmark::DoNotOptimize(result);
  }
  state.counters["steps"] = static_cast<double>(steps);
}

BENCHMARK_CAPTURE(solve, alpha_45, "45", "");
BENCHMARK_CAPTURE(solve, b_3pi_over_4, "", "3π/4");
BENCHMARK_CAPTURE(solve, alpha_123456_789, "123456.789", "");

}  // namespace

BENCHMARK_MAIN();
