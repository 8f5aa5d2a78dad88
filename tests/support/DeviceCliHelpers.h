#pragma once
// What the device commands' tests share: a simulated-device state file prepared with
// the wanted faults, the lines of a trace file, and the language text the program shows
// when no device is connected.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "device/sim/SimStateFile.h"
#include "support/CorvanectlRun.h"
#include "support/InstalledLanguage.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {

inline std::string WriteSimState(const TempDataFolder& folder, const SimState& state) {
  const auto path = folder.Path("sim-state.txt");
  EXPECT_TRUE(SaveSimState(path, state));
  return path.string();
}

inline std::vector<std::string> TraceLines(const std::filesystem::path& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

// The trace lines of one kind ("set", "get", "sleep", "input").
inline std::vector<std::string> TraceOf(const std::vector<std::string>& lines, const std::string& kind) {
  std::vector<std::string> out;
  std::copy_if(lines.begin(), lines.end(), std::back_inserter(out),
               [&](const std::string& l) { return l.rfind(kind + " ", 0) == 0; });
  return out;
}

// Language text n as the program installed it in the data folder.
inline std::string LanguageText(const TempDataFolder& folder, int n) {
  return Utf8(InstalledLanguage(folder.Root()).Text(n));
}

// stderr of a command refused because no device is connected (language text 156 of the
// language the program installed).
inline std::string NotConnectedError(const TempDataFolder& folder) {
  const std::string text = LanguageText(folder, 156);
  EXPECT_FALSE(text.empty());
  return "corvanectl: " + text + "\n";
}

}  // namespace corvane::testing
