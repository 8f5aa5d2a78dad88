// The settings part of start-up and of every save: writing and reading one profile file,
// and LoadConfig on a data folder holding config.ini and five profile files.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "base/UnicodeTextFile.h"
#include "session/AppContext.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"

namespace corvane {
namespace {

std::unique_ptr<ProfileRecord> FullRecord() {
  auto r = std::make_unique<ProfileRecord>();
  ResetProfileToDefaults(*r, 0, LanguageTable{}, 0x3311);
  for (ButtonEntry& b : r->Buttons) {
    for (std::uint32_t i = 0; i < MacroItem::kMaxActions; ++i) b.Macro.InsertAction(i, MakeDelayStep(i));
  }
  return r;
}

void BM_ProfileFileText(benchmark::State& state) {
  const auto r = FullRecord();
  for (auto _ : state) benchmark::DoNotOptimize(ProfileFileText(*r));
}
BENCHMARK(BM_ProfileFileText);

void BM_ParseProfileFile(benchmark::State& state) {
  const auto r = FullRecord();
  UnicodeTextWriter writer;
  writer.Write(ProfileFileText(*r));
  const std::string bytes = writer.Bytes();
  auto target = std::make_unique<ProfileRecord>();
  for (auto _ : state) {
    UnicodeTextReader reader;
    reader.OpenBytes(bytes);
    benchmark::DoNotOptimize(ParseProfileFile(reader, *target));
  }
}
BENCHMARK(BM_ParseProfileFile);

void BM_LoadConfig(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / ("corvane-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder / "config");
  {
    auto first = std::make_unique<AppContext>();
    first->DataFolder = folder;
    LoadConfig(*first, first->Language);  // writes the defaults
  }
  for (auto _ : state) {
    auto ctx = std::make_unique<AppContext>();
    ctx->DataFolder = folder;
    benchmark::DoNotOptimize(LoadConfig(*ctx, ctx->Language));
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadConfig)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
