#include "settings/AutoSwitchMap.h"

#include <algorithm>
#include <system_error>

#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileTable.h"

namespace corvane {
namespace {

constexpr std::u16string_view kHeader = u"[AutoSwitch]";

bool UsableClass(std::string_view windowClass) {
  return !windowClass.empty() && windowClass.find_first_of("\r\n") == std::string_view::npos;
}

}  // namespace

std::optional<int> AutoSwitchMap::ProfileFor(std::string_view windowClass) const {
  const auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&](const AutoSwitchEntry& e) { return e.WindowClass == windowClass; });
  if (it == entries_.end()) return std::nullopt;
  return it->Profile;
}

bool AutoSwitchMap::Set(std::string_view windowClass, int profile) {
  if (profile < 0 || profile >= kProfileCount || !UsableClass(windowClass)) return false;
  for (auto& e : entries_) {
    if (e.WindowClass == windowClass) {
      e.Profile = profile;
      return true;
    }
  }
  entries_.push_back({std::string(windowClass), profile});
  return true;
}

bool AutoSwitchMap::Remove(std::string_view windowClass) {
  const auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&](const AutoSwitchEntry& e) { return e.WindowClass == windowClass; });
  if (it == entries_.end()) return false;
  entries_.erase(it);
  return true;
}

std::filesystem::path AutoSwitchFilePath(const std::filesystem::path& dataFolder) {
  return dataFolder / "config" / "AutoSwitch.ini";
}

AutoSwitchMap LoadAutoSwitchMap(const std::filesystem::path& path) {
  AutoSwitchMap map;
  UnicodeTextReader reader;
  if (!reader.Open(path)) return map;
  std::u16string line;
  while (reader.ReadLine(line)) {
    if (line.size() < 3 || line[1] != u'=' || line[0] < u'0' || line[0] > u'9') continue;
    map.Set(Utf8(std::u16string_view(line).substr(2)), line[0] - u'0');
  }
  return map;
}

std::u16string AutoSwitchFileText(const AutoSwitchMap& map) {
  UnicodeTextWriter w;
  w.WriteLine(kHeader);
  for (const auto& e : map.Entries()) w.WriteLine(FormatDecimal(e.Profile) + u"=" + U16(e.WindowClass));
  return w.Text();
}

bool SaveAutoSwitchMap(const AutoSwitchMap& map, const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);  // a data folder without "config" yet
  UnicodeTextWriter w;
  w.Write(AutoSwitchFileText(map));
  return w.Commit(path);
}

std::optional<int> AutoSwitchTarget(const AutoSwitchMap& map, const ConfigTable& config, std::string_view windowClass) {
  const auto profile = map.ProfileFor(windowClass);
  if (!profile) return std::nullopt;
  for (int i = 0; i < config.ShownPositions(); ++i) {
    if (config.GetProfileShowList(i) == *profile) return profile;
  }
  return std::nullopt;
}

}  // namespace corvane
