// Load and insert cost of the calculation store at 10, 1 000 and 10 000 records, on a
// real file next to the working directory.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "flow/calc_manager.h"
#include "flow/user_defaults.h"

namespace {

uc::Calculation record(int i) {
  uc::Calculation calculation;
  calculation.inputParameters.insert(QStringLiteral("α"), QString::number(i));
  calculation.latexString = QStringLiteral("\\alpha = %1^{\\circ} \\quad b = ?").arg(i);
  calculation.setupParameter.insert("appKey", "KV");
  return calculation;
}

// A store file holding n records, written as the app would have written them.
QString storeWith(const QTemporaryDir& dir, int n) {
  const QString path = dir.filePath(QStringLiteral("store-%1.jsonl").arg(n));
  if (!QFile::exists(path)) {
    uc::UserDefaults defaults(path);
    uc::CalcManager manager(defaults);
    for (int i = 0; i < n; ++i) manager.insertCalculation(record(i));
  }
  return path;
}

QTemporaryDir& benchDir() {
  static QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-calc-XXXXXX"));
  return dir;
}

void BM_Load(benchmark::State& state) {
  const QString path = storeWith(benchDir(), static_cast<int>(state.range(0)));
  for (auto _ : state) {
    uc::UserDefaults defaults(path);
    uc::CalcManager manager(defaults);
    benchmark::DoNotOptimize(manager.count());
  }
}

// One insert at a steady size: the record is removed again outside the timing.
void BM_Insert(benchmark::State& state) {
  const QString path = storeWith(benchDir(), static_cast<int>(state.range(0)));
  uc::UserDefaults defaults(path);
  uc::CalcManager manager(defaults);
  int i = 0;
  for (auto _ : state) {
    manager.insertCalculation(record(++i));
    state.PauseTiming();
    manager.removeCalculation(0);
    state.ResumeTiming();
  }
}

// For comparison: what writing the whole list after each insert would cost.
void BM_WriteWholeList(benchmark::State& state) {
  const QString path = storeWith(benchDir(), static_cast<int>(state.range(0)));
  uc::UserDefaults defaults(path);
  uc::CalcManager manager(defaults);
  for (auto _ : state) manager.saveCalculations();
}

BENCHMARK(BM_Load)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Insert)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteWholeList)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
