// corvanectl's command line: the global options and every command's own arguments, run
// against the simulated mouse (virtual time) in a scratch data folder. The input is the
// argument list, arguments separated by NUL bytes.
#include <unistd.h>

#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include "FuzzScratch.h"

namespace corvane::cli {
int Main(const std::vector<std::string>& argv);
}

namespace {

// Swallows what the commands print.
class NullBuffer final : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
};

// Arguments naming a file outside the working folder (which is the scratch folder), or
// another data folder, are refused: the fuzzer writes nowhere else.
bool Refused(const std::string& arg) {
  return arg.find('/') != std::string::npos || arg.find('\\') != std::string::npos ||
         arg.find("..") != std::string::npos || arg.starts_with("--data-dir");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane;
  static fuzz::FuzzScratch scratch;
  static NullBuffer nothing;
  static const bool quiet = [] {
    std::cout.rdbuf(&nothing);
    std::cerr.rdbuf(&nothing);
    return true;
  }();
  (void)quiet;

  std::vector<std::string> args{"--simulate", "--no-wait"};
  std::string arg;
  for (std::size_t i = 0; i <= size; ++i) {
    if (i == size || data[i] == 0) {
      if (Refused(arg)) return -1;
      args.push_back(std::move(arg));
      arg.clear();
    } else {
      arg.push_back(static_cast<char>(data[i]));
    }
  }
  const std::filesystem::path& folder = scratch.Fresh();
  if (chdir(folder.c_str()) != 0) return 0;
  args.insert(args.begin(), "--data-dir=" + (folder / "data").string());
  cli::Main(args);
  return 0;
}
