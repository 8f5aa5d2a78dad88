#pragma once
// Per-application profiles: which profile the mouse takes while a window of an application
// is active. An application is named by its window class (the X11 WM_CLASS class, e.g.
// "Firefox"). The map is a file of its own in the data folder's config folder, so
// config.ini and the profile files keep their formats:
//
//   [AutoSwitch]
//   2=Firefox
//   4=steam_app_570
//
// UTF-16LE with FF FE like the other settings files, one "PROFILE=CLASS" line per
// application (the profile first: a class may itself hold "="). A line that is not a
// profile number 0..4, "=", and a non-empty class is skipped on reading; a class listed
// twice keeps its last line. Written atomically.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct ConfigTable;

struct AutoSwitchEntry {
  std::string WindowClass;  // UTF-8, compared exactly
  int Profile = 0;          // slot 0..4

  bool operator==(const AutoSwitchEntry&) const = default;
};

class AutoSwitchMap {
 public:
  const std::vector<AutoSwitchEntry>& Entries() const { return entries_; }
  std::optional<int> ProfileFor(std::string_view windowClass) const;
  // Maps the class to the profile (replacing its earlier profile); false for a profile
  // outside 0..4 or an empty class or one with a line break, which the file cannot hold.
  bool Set(std::string_view windowClass, int profile);
  // False when the class was not mapped.
  bool Remove(std::string_view windowClass);

  bool operator==(const AutoSwitchMap&) const = default;

 private:
  std::vector<AutoSwitchEntry> entries_;  // in the order they were added
};

// dataFolder/config/AutoSwitch.ini
std::filesystem::path AutoSwitchFilePath(const std::filesystem::path& dataFolder);

// A missing or unreadable file is an empty map.
AutoSwitchMap LoadAutoSwitchMap(const std::filesystem::path& path);
std::u16string AutoSwitchFileText(const AutoSwitchMap& map);
// False, with the old file untouched, when it cannot be written.
bool SaveAutoSwitchMap(const AutoSwitchMap& map, const std::filesystem::path& path);

// The profile the mouse is to take while a window of this class is active: the mapped
// profile when it is one of the shown profiles (a hidden one has no tab to switch to),
// otherwise none (the caller goes back to its default).
std::optional<int> AutoSwitchTarget(const AutoSwitchMap& map, const ConfigTable& config, std::string_view windowClass);

}  // namespace corvane
