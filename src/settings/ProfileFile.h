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

// The file's text (without the byte-order mark): 118 lines, each ending with a line feed.
std::u16string ProfileFileText(const ProfileRecord& record);

// Reads a profile from the reader's lines. On success the record takes the file's
// values (the macro fields the file does not hold keep theirs) and the result is true;
// on any deviation the record is left untouched and the result is false.
bool ParseProfileFile(UnicodeTextReader& reader, ProfileRecord& record);

// Reads a damaged file's lines into record as far as they go (the record keeps what it
// held for everything after the first bad line); true when the whole file was read.
bool RecoverProfileFile(UnicodeTextReader& reader, ProfileRecord& record);

// Writes the record to path (atomically); false, with nothing written, when it cannot
// (reason, when given, says why: "permission denied", "not a regular file").
bool WriteProfileFile(const ProfileRecord& record, const std::filesystem::path& path, std::string* reason = nullptr);

// Reads a chosen file (an import) into profile p. When it is missing, not a regular file,
// unreadable or not a profile file, profile p is left exactly as it was, nothing is
// written, the result is false and reason says why.
bool ReadProfileFile(SettingsStore& settings, const LanguageTable& language, int p, const std::filesystem::path& path,
                     std::string* reason = nullptr);

// The start-up read of profile p's slot file. A missing file gives the profile's defaults
// and writes them (a first start). A damaged file (another encoding, carriage returns,
// cut short, oversized, unreadable) is kept aside as NAME.damaged-DATE, what can be read
// from it is loaded over the defaults, the slot file is written afresh and a notice
// names both files. A directory, FIFO or device at the slot path, or a relative slot path
// leading out of the data folder, gives the defaults, a notice and no write. True only
// when the file was read as it is.
bool LoadProfileSlot(SettingsStore& settings, const LanguageTable& language, int p);

// Writes each of the five profiles to its slot file; true when all five were written
// (reason, when given, names the first file that was not and why).
bool SaveAllProfiles(const SettingsStore& settings, std::string* reason = nullptr);

}  // namespace corvane
