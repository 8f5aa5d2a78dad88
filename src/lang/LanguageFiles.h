#pragma once
// The language files that ship with the program (compiled in from res/lang/) and their
// installation into a data folder that does not have them yet.
#include <filesystem>
#include <span>
#include <string_view>

namespace corvane {

struct ShippedLanguageFile {
  const char* Name;        // file name inside the data folder's "config" folder
  std::string_view Bytes;  // the file exactly as shipped (UTF-16LE with FF FE, LF line ends)
};

// Lan_EN.txt, Lan.txt and LanSetting.ini.
std::span<const ShippedLanguageFile> ShippedLanguageFiles();

// Writes every shipped file into dataFolder/config/ that is missing there (atomically; the
// "config" folder is created when needed). A file that exists, in whatever state, is never
// replaced: the user's own language choice and texts win.
void InstallLanguageFiles(const std::filesystem::path& dataFolder);

}  // namespace corvane
