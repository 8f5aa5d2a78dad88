#pragma once
// A fresh, empty data folder for one test (removed afterwards), with helpers to put
// files into it as the program writes them and to read back what the program wrote.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::testing {

class TempDataFolder {
 public:
  TempDataFolder();
  ~TempDataFolder();
  TempDataFolder(const TempDataFolder&) = delete;
  TempDataFolder& operator=(const TempDataFolder&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  // A path inside the folder; "config/config.ini" and the like.
  std::filesystem::path Path(std::string_view relative) const { return root_ / relative; }

  // Writes FF FE and the text as UTF-16LE (creating folders on the way).
  void PutText(std::string_view relative, std::u16string_view text) const;
  // Writes the bytes exactly.
  void PutBytes(std::string_view relative, std::string_view bytes) const;
  // The file's bytes; empty when it does not exist.
  std::string Bytes(std::string_view relative) const;
  bool Exists(std::string_view relative) const;
  // Every file below the folder with its bytes, sorted by path (to compare states).
  std::vector<std::pair<std::string, std::string>> Snapshot() const;

 private:
  std::filesystem::path root_;
};

// FF FE followed by the text as UTF-16LE: a file as the program writes it.
std::string Utf16File(std::u16string_view text);
// The lines of a file as written by the program: the byte-order mark dropped and the
// text split after each line feed (the line feeds removed). Fails the test on a file
// without the mark, of odd length or not ending in a line feed.
std::vector<std::u16string> Utf16Lines(const std::string& bytes);
// The text joined with a line feed after every line.
std::u16string JoinLines(const std::vector<std::u16string>& lines);

}  // namespace corvane::testing
