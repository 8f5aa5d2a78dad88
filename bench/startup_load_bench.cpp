// The start-up load (config.ini, the five profiles, the language and the macro library) of
// a data folder with an empty library and with a 1000-macro one: what every start of
// corvane and corvanectl pays before its first output.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "BenchLibrary.h"
#include "session/AppContext.h"
#include "session/StartupLoad.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// A data folder made by a first start, then given a library of the wanted size.
fs::path PrepareFolder(int macros) {
  const fs::path dir = fs::temp_directory_path() / ("corvane-bench-startup-" + std::to_string(macros));
  fs::remove_all(dir);
  {
    AppContext first;
    first.DataFolder = dir;
    RunStartupLoad(first);
  }
  if (macros > 0) bench::WriteBenchLibrary(dir, macros);
  return dir;
}

void BM_StartupLoad(benchmark::State& state) {
  const fs::path dir = PrepareFolder(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto ctx = std::make_unique<AppContext>();
    ctx->DataFolder = dir;
    RunStartupLoad(*ctx);
    benchmark::DoNotOptimize(ctx.get());
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_StartupLoad)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
