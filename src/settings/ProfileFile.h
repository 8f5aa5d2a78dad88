#pragma once
// Profile files (.psf): one profile as 118 lines of UTF-16 text. Reading is positional:
// it goes by the order of the lines and by fixed character positions after the first
// "=" of each line, never by key names; any deviation rejects the whole file.
#include <filesystem>
#include <string>
#include <string_view>

#include "settings/ProfileTable.h"

namespace corvane {

struct SettingsStore;
struct LanguageTable;
class UnicodeTextReader;

constexpr int kProfileFileLines = 118;
constexpr int kProfileActionDigits = 8 * static_cast<int>(MacroItem::kMaxActions);  // 2000

// The file's text (without the byte-order mark): 118 lines, each ending with a line feed.
std::u16string ProfileFileText(const ProfileRecord& record);

// Reads a profile from the reader's lines. On success the record takes the file's
// values (the macro fields the file does not hold keep theirs) and the result is true;
// on any deviation the record is left untouched and the result is false.
bool ParseProfileFile(UnicodeTextReader& reader, ProfileRecord& record);

// Writes the record to path (atomically); false, with nothing written, when it cannot.
bool WriteProfileFile(const ProfileRecord& record, const std::filesystem::path& path);

// Reads path into profile p. When the file is missing or not a profile file, profile p
// is reset to its defaults, its slot file (whatever path was read) is rewritten, and
// the result is false.
bool ReadProfileFile(SettingsStore& settings, const LanguageTable& language, int p, const std::filesystem::path& path);

// Writes each of the five profiles to its slot file; true when all five were written.
bool SaveAllProfiles(const SettingsStore& settings);

}  // namespace corvane
