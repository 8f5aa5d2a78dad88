#pragma once
// What the tests of the commands that upload share: the simulated mouse without waiting,
// with a trace, and the command frames of that trace.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/DeviceCliHelpers.h"

namespace corvane::testing {

// "set wired " and the frame padded with zeros to 32 bytes, as the trace writes it.
inline std::string SetLine(const std::string& head, const std::string& role = "wired") {
  std::istringstream in(head);
  std::vector<std::string> bytes;
  for (std::string b; in >> b;) bytes.push_back(b);
  bytes.resize(32, "00");
  std::string line = "set " + role;
  for (const auto& b : bytes) line += " " + b;
  return line;
}

inline std::vector<std::string> SetLines(std::initializer_list<const char*> heads) {
  std::vector<std::string> out;
  for (const char* h : heads) out.push_back(SetLine(h));
  return out;
}

struct UploadRun {
  CliRun run;
  std::vector<std::string> frames;  // the "set" lines of the trace
};

// corvanectl --simulate[=roles] --sim-state STATE --no-wait --trace T ARGS...
inline UploadRun RunOnSimulatedMouse(const TempDataFolder& folder, std::vector<std::string> args,
                                     const std::string& roles = "wired") {
  const auto trace = folder.Path("trace.txt");
  std::filesystem::remove(trace);
  std::vector<std::string> all{"--simulate=" + roles, "--sim-state", folder.Path("sim-state.txt").string(), "--no-wait",
                               "--trace", trace.string()};
  all.insert(all.end(), args.begin(), args.end());
  UploadRun r{RunCorvanectl(folder.Root(), all), {}};
  r.frames = TraceOf(TraceLines(trace), "set");
  return r;
}

// The value of one key=value line of corvanectl show.
inline std::string ShowValue(const TempDataFolder& folder, const std::string& key) {
  const CliRun show = RunCorvanectl(folder.Root(), {"show"});
  for (const auto& line : OutputLines(show.out))
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  return "<missing " + key + ">";
}

}  // namespace corvane::testing
