// corvane_bench_data DIR MACROS: writes DIR's macro library with MACROS macros (the rest of
// the data folder is made by corvanectl, as a user's would be).
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "BenchLibrary.h"
#include "base/DataFolder.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: corvane_bench_data DIR MACROS\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  corvane::EnsureDataFolder(dir);
  if (!corvane::bench::WriteBenchLibrary(dir, std::atoi(argv[2]))) {
    std::fprintf(stderr, "corvane_bench_data: cannot write the library in %s\n", argv[1]);
    return 1;
  }
  return 0;
}
