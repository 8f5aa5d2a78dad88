#pragma once
// The program's UTF-16LE text files (settings, profiles, language, macro files).
//
// Reading: the first two bytes are skipped unseen (taken as the byte-order mark); a line
// runs up to and including the next line feed, and that line feed is dropped only when the
// line holds more than that one character, so an empty line reads back as "\n". A carriage
// return stays part of the text. A trailing odd byte is ignored.
//
// Writing: the byte-order mark FF FE, then the text unchanged. The file is written to a
// temporary file beside it ("NAME.tmp<pid>-<n>"), flushed to disk and renamed over the old
// one, so a crash, a kill or a full disk never leaves a truncated settings file behind.
// Only regular files are written: a path naming a directory, a FIFO or a device is
// refused, and a symbolic link keeps pointing where it did while its target is replaced.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace corvane {

// What reading a stored file found. Missing is a file that is simply not there (a first
// start); every other failure means something is at that path that could not be used.
enum class FileReadStatus { Ok, Missing, NotRegularFile, TooLarge, Unreadable };
std::string_view FileReadStatusText(FileReadStatus status);

class UnicodeTextReader {
 public:
  // Files larger than this are treated as unreadable instead of being loaded into memory.
  static constexpr std::uintmax_t kMaxFileBytes = 64u * 1024u * 1024u;

  UnicodeTextReader() = default;
  UnicodeTextReader(const UnicodeTextReader&) = delete;
  UnicodeTextReader& operator=(const UnicodeTextReader&) = delete;
  ~UnicodeTextReader();

  bool Open(const std::filesystem::path& path);
  // The same, reading the file straight into the reader's text (no second copy), with
  // the status and reason ReadFileBytesChecked would give. FileBytes() then holds the
  // bytes as read, for a caller that reports a damaged file.
  FileReadStatus OpenChecked(const std::filesystem::path& path, std::string* reason = nullptr);
  // The same checks and lines, but the file is read piece by piece through one small
  // buffer that is reused, so a large file never lands in memory whole: a line view from
  // ReadLine then stays valid only until the next ReadLine. FileBytes() stays empty and
  // TextOwner() null; ReadFailed() tells a read error from the end of the file.
  FileReadStatus OpenStream(const std::filesystem::path& path, std::string* reason = nullptr);
  // True when a streamed file stopped at a read error: the lines read are not all of it.
  bool ReadFailed() const { return readFailed_; }
  // Loads from memory (bytes as they would be on disk, byte-order mark included).
  void OpenBytes(std::string_view bytes);
  // Reads from text already decoded (no byte-order mark).
  void OpenText(std::u16string text);
  bool IsOpen() const { return open_; }
  // The file's bytes as OpenChecked read them, byte-order mark included; empty otherwise.
  std::string_view FileBytes() const { return fileBytes_; }
  // Next line as described above; false only when nothing at all is left.
  bool ReadLine(std::u16string& line);
  // The same line without copying it: the view points into the reader's text and stays
  // valid until the reader is opened again or destroyed, or for as long as an owner
  // from TextOwner() lives.
  bool ReadLine(std::u16string_view& line);
  // Keeps the text of this opening alive (and unchanged) beyond the reader, for views
  // taken from ReadLine.
  std::shared_ptr<const void> TextOwner() const { return buffer_; }

 private:
  void Reset();
  bool ReadStreamLine(std::u16string_view& line);
  // Moves the unread part of the buffer to its start and reads more after it; false when
  // nothing more came (end of file or a read error).
  bool Refill();

  std::shared_ptr<const void> buffer_;  // holds text_
  std::u16string_view text_;
  std::string_view fileBytes_;
  std::shared_ptr<const std::string> rawBytes_;  // holds fileBytes_ where the text is not read in place
  std::size_t pos_ = 0;
  bool open_ = false;
  // A streamed file: the buffer holds chunkBytes_ bytes read so far and unread, pos_
  // counts units in it, and streamLeft_ bytes of the file's size remain to be read.
  int fd_ = -1;
  std::unique_ptr<char16_t[]> chunk_;
  std::size_t chunkUnits_ = 0;
  std::size_t chunkBytes_ = 0;
  std::size_t streamLeft_ = 0;
  bool readFailed_ = false;
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
  // reason, when given, receives why it failed ("permission denied", "not a regular file").
  bool Commit(const std::filesystem::path& path, std::string* reason = nullptr) const;

 private:
  std::u16string text_;
};


// Reads a whole file's raw bytes (at most UnicodeTextReader::kMaxFileBytes). Directories,
// FIFOs and devices are not opened. reason, when given, receives a short text for a
// failure ("permission denied").
FileReadStatus ReadFileBytesChecked(const std::filesystem::path& path, std::string& bytes,
                                    std::string* reason = nullptr);
// The same, true only for a file read whole.
bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes);
// Writes bytes to a temporary file beside the file (beside a symbolic link's target) and
// renames it over it; the old file is untouched when anything fails.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::string* reason = nullptr);

// The file a path finally names, following symbolic links (also to a target that does
// not exist yet); the path itself when it is no link.
std::filesystem::path ResolveFileLinks(const std::filesystem::path& path);
// True for a name WriteFileAtomically gives its temporary files.
bool IsLeftoverTempName(std::string_view name);
// Removes the temporary files a killed save left in folder (those of programs no longer
// running), only those of fileName when it is given; returns how many went.
int RemoveLeftoverTempFiles(const std::filesystem::path& folder, std::string_view fileName = {});

}  // namespace corvane
