#pragma once
// Runs the real corvanectl binary on a data folder and captures what it prints.
#include <filesystem>
#include <string>
#include <vector>

namespace corvane::testing {

struct CliRun {
  int status = -1;  // exit status; -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// corvanectl --data-dir DATA ARGS... (no shell: arguments are passed as they are).
CliRun RunCorvanectl(const std::filesystem::path& dataDir, const std::vector<std::string>& args);

// The lines of a command's output, without their line feeds.
std::vector<std::string> OutputLines(const std::string& out);

}  // namespace corvane::testing
