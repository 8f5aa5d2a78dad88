#pragma once
// One named text setting. The pair keeps its key name itself because the settings
// readers replace key and value from the file line by line, without comparing names.
#include <string>

namespace corvane {

struct SettingPair {
  std::u16string Key;
  std::u16string Value;
  bool operator==(const SettingPair&) const = default;
};

}  // namespace corvane
