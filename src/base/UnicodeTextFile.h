#pragma once
// The program's UTF-16LE text files (settings, profiles, language, macro files).
//
// Reading: the first two bytes are skipped unseen (taken as the byte-order mark); a line
// runs up to and including the next line feed, and that line feed is dropped only when the
// line holds more than that one character, so an empty line reads back as "\n". A carriage
// return stays part of the text. A trailing odd byte is ignored.
//
// Writing: the byte-order mark FF FE, then the text unchanged. The file is written to a
// temporary file beside it and renamed over the old one, so a crash or a full disk never
// leaves a truncated settings file behind.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

class UnicodeTextReader {
 public:
  // Files larger than this are treated as unreadable instead of being loaded into memory.
  static constexpr std::uintmax_t kMaxFileBytes = 64u * 1024u * 1024u;

  bool Open(const std::filesystem::path& path);
  // Loads from memory (bytes as they would be on disk, byte-order mark included).
  void OpenBytes(std::string_view bytes);
  bool IsOpen() const { return open_; }
  // Next line as described above; false only when nothing at all is left.
  bool ReadLine(std::u16string& line);

 private:
  std::u16string text_;
  std::size_t pos_ = 0;
  bool open_ = false;
};

class UnicodeTextWriter {
 public:
  void Write(std::u16string_view text) { text_.append(text); }
  void WriteLine(std::u16string_view line) {
    text_.append(line);
    text_.push_back(u'\n');
  }
  const std::u16string& Text() const { return text_; }
  // The bytes Commit writes: FF FE and the text as UTF-16LE.
  std::string Bytes() const;
  // Writes atomically; false (and the old file untouched) when it cannot be written.
  bool Commit(const std::filesystem::path& path) const;

 private:
  std::u16string text_;
};

// Reads a whole file's raw bytes (at most UnicodeTextReader::kMaxFileBytes); false when unreadable.
bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes);
// Writes bytes to a temporary file beside path and renames it over path.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace corvane
