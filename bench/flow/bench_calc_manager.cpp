// Cost of the calculation store at 10 and 100 000 records, on a real file next to the
// working directory: a start (open and load), the memory that start keeps, storing one
// calculation, and the first screenful of the history.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "flow/calc_manager.h"
#include "flow/user_defaults.h"

namespace {

constexpr int kRowsOnScreen = 20;

uc::Calculation record(int i) {
  uc::Calculation calculation;
  calculation.inputParameters.insert(QStringLiteral("α"), QString::number(i));
  calculation.latexString = QStringLiteral("\\alpha = %1^{\\circ} \\quad b = ?").arg(i);
  calculation.setupParameter.insert("appKey", "KV");
  return calculation;
}

QTemporaryDir& benchDir() {
  static QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-calc-XXXXXX"));
  return dir;
}

// A store holding n records. Written as an earlier version's file and imported, which
// takes one transaction instead of n.
QString storeWith(int n) {
  const QString path = benchDir().filePath(QStringLiteral("store-%1").arg(n));
  if (!QFile::exists(path)) {
    QJsonArray records;
    for (int i = n - 1; i >= 0; --i) records.append(record(i).asDictionary());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(QJsonObject{{"Calculations", records}}).toJson());
    file.close();
    uc::UserDefaults imported(path);
  }
  return path;
}

// Resident memory of the process in kB.
long residentKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

// A start of the app's store: open the database and read the list.
void BM_Start(benchmark::State& state) {
  const QString path = storeWith(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    uc::UserDefaults defaults(path);
    uc::CalcManager manager(defaults);
    benchmark::DoNotOptimize(manager.count());
  }
}

constexpr char kMemoryChildEnv[] = "UC_BENCH_START_MEMORY_STORE";

// The child of BM_StartMemory: a process that starts the store and shows a screenful, as
// the app does, then prints its resident memory before and after.
int runMemoryChild(const QString& path) {
  const long before = residentKb();
  uc::UserDefaults defaults(path);
  uc::CalcManager manager(defaults);
  for (int row = 0; row < kRowsOnScreen; ++row)
    benchmark::DoNotOptimize(manager.calculationAt(row));
  std::printf("%ld %ld\n", before, residentKb());
  return 0;
}

// What a started store keeps in memory, measured in a fresh process of its own: in this
// one, memory freed by earlier benchmarks would be reused and hide the growth.
void BM_StartMemory(benchmark::State& state) {
  const QString path = storeWith(static_cast<int>(state.range(0)));
  long before = 0;
  long after = 0;
  for (auto _ : state) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kMemoryChildEnv, path);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    child.waitForFinished(60000);
    const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
    before = figures.value(0).toLong();
    after = figures.value(1).toLong();
  }
  state.counters["resident_MB"] = double(after) / 1024.0;
  state.counters["growth_MB"] = double(after - before) / 1024.0;
}

// Storing one calculation at a steady size: the record is removed again outside the timing.
void BM_Insert(benchmark::State& state) {
  const QString path = storeWith(static_cast<int>(state.range(0)));
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

// The history's first screenful, read by a manager that has read no record yet.
void BM_FirstScreenful(benchmark::State& state) {
  const QString path = storeWith(static_cast<int>(state.range(0)));
  uc::UserDefaults defaults(path);
  for (auto _ : state) {
    state.PauseTiming();
    auto manager = std::make_unique<uc::CalcManager>(defaults);
    state.ResumeTiming();
    for (int row = 0; row < kRowsOnScreen; ++row)
      benchmark::DoNotOptimize(manager->calculationAt(row));
  }
}

// Rows deep in the list, as when the learner flicks far down.
void BM_RowsFarDown(benchmark::State& state) {
  const QString path = storeWith(static_cast<int>(state.range(0)));
  uc::UserDefaults defaults(path);
  uc::CalcManager manager(defaults);
  int row = manager.count() / 2;
  for (auto _ : state) {
    benchmark::DoNotOptimize(manager.calculationAt(row));
    row = (row + 97) % manager.count();
  }
}

BENCHMARK(BM_Start)->Arg(10)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartMemory)->Arg(10)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Insert)->Arg(10)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstScreenful)->Arg(10)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RowsFarDown)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString memoryChildStore = qEnvironmentVariable(kMemoryChildEnv);
  if (!memoryChildStore.isEmpty()) return runMemoryChild(memoryChildStore);
  // The store's log lines (an import per size) would break up the table.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
