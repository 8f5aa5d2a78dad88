#include "base/UnicodeTextFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <system_error>

#include "base/TextUtil.h"

namespace corvane {
namespace {

void SetReason(std::string* reason, std::string text) {
  if (reason) *reason = std::move(text);
}

constexpr std::string_view kTempMarker = ".tmp";

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Makes the rename itself durable: without it a power cut soon after a save can bring
// back the old directory entry.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The next line feed at or after `from`, found with memchr over the units' bytes: a unit
// holding 0A beside another byte is a character, so each byte hit is checked as a whole unit.
std::size_t FindLineFeed(std::u16string_view text, std::size_t from) {
  const char* const bytes = reinterpret_cast<const char*>(text.data());
  const std::size_t size = text.size() * 2;
  std::size_t at = from * 2;
  while (at < size) {
    const void* hit = std::memchr(bytes + at, 0x0A, size - at);
    if (!hit) break;
    const auto offset = static_cast<std::size_t>(static_cast<const char*>(hit) - bytes);
    if (text[offset / 2] == u'\n') return offset / 2;
    at = offset + 1;
  }
  return std::u16string_view::npos;
}

}  // namespace

std::string_view FileReadStatusText(FileReadStatus status) {
  switch (status) {
    case FileReadStatus::Ok: return "read";
    case FileReadStatus::Missing: return "no such file";
    case FileReadStatus::NotRegularFile: return "not a regular file";
    case FileReadStatus::TooLarge: return "larger than any settings file (over 64 MiB)";
    case FileReadStatus::Unreadable: return "cannot be read";
  }
  return "cannot be read";
}

namespace {

// Opens a regular file of at most kMaxFileBytes for reading; size receives its size as
// it is now. Directories, FIFOs and devices are never opened: a FIFO would block the read.
FileReadStatus OpenRegularFile(const std::filesystem::path& path, std::string* reason, int& fd, std::size_t& size) {
  fd = -1;
  size = 0;
  struct stat st {};
  // stat follows symbolic links: a link is read through to its target.
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) {
      SetReason(reason, std::string(FileReadStatusText(FileReadStatus::Missing)));
      return FileReadStatus::Missing;
    }
    SetReason(reason, ErrnoText(errno));
    return FileReadStatus::Unreadable;
  }
  if (!S_ISREG(st.st_mode)) {
    SetReason(reason, S_ISDIR(st.st_mode) ? "a directory, not a file" : "not a regular file");
    return FileReadStatus::NotRegularFile;
  }
  if (static_cast<std::uintmax_t>(st.st_size) > UnicodeTextReader::kMaxFileBytes) {
    SetReason(reason, std::string(FileReadStatusText(FileReadStatus::TooLarge)));
    return FileReadStatus::TooLarge;
  }
  fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    SetReason(reason, ErrnoText(errno));
    return FileReadStatus::Unreadable;
  }
  size = static_cast<std::size_t>(st.st_size);
  return FileReadStatus::Ok;
}

// Reads a regular file of at most kMaxFileBytes into the buffer that bufferOfSize(n)
// gives for its size n; got receives how many bytes came (fewer when it shrank since).
template <typename BufferOfSize>
FileReadStatus ReadRegularFile(const std::filesystem::path& path, std::string* reason, std::size_t& got,
                               BufferOfSize&& bufferOfSize) {
  got = 0;
  int fd = -1;
  std::size_t size = 0;
  const FileReadStatus opened = OpenRegularFile(path, reason, fd, size);
  if (opened != FileReadStatus::Ok) return opened;
  char* const buffer = bufferOfSize(size);
  while (got < size) {
    const ssize_t n = ::read(fd, buffer + got, size - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      got = 0;
      SetReason(reason, ErrnoText(error));
      return FileReadStatus::Unreadable;
    }
    if (n == 0) break;  // shrank since the stat
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  return FileReadStatus::Ok;
}

}  // namespace

FileReadStatus ReadFileBytesChecked(const std::filesystem::path& path, std::string& bytes, std::string* reason) {
  bytes.clear();
  std::size_t got = 0;
  const FileReadStatus status = ReadRegularFile(path, reason, got, [&](std::size_t size) {
    bytes.resize(size);
    return bytes.data();
  });
  bytes.resize(got);
  return status;
}

bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes) {
  return ReadFileBytesChecked(path, bytes) == FileReadStatus::Ok;
}

std::filesystem::path ResolveFileLinks(const std::filesystem::path& path) {
  std::filesystem::path current = path;
  // A loop of links ends here as an unreadable, unwritable path instead of a hang.
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, ec))) return current;
    const std::filesystem::path target = std::filesystem::read_symlink(current, ec);
    if (ec) return current;
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return current;
}

bool IsLeftoverTempName(std::string_view name) {
  // NAME.tmp<pid>-<counter>, as WriteFileAtomically names its temporary files.
  const std::size_t marker = name.rfind(kTempMarker);
  if (marker == std::string_view::npos || marker == 0) return false;
  const std::string_view rest = name.substr(marker + kTempMarker.size());
  const std::size_t dash = rest.find('-');
  return dash != std::string_view::npos && AllDigits(rest.substr(0, dash)) && AllDigits(rest.substr(dash + 1));
}

int RemoveLeftoverTempFiles(const std::filesystem::path& folder, std::string_view fileName) {
  int removed = 0;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  if (ec) return 0;
  for (const auto& entry : it) {
    const std::string name = entry.path().filename().string();
    if (!IsLeftoverTempName(name)) continue;
    if (!fileName.empty() && name.rfind(std::string(fileName) + std::string(kTempMarker), 0) != 0) continue;
    std::error_code typeEc;
    if (!entry.is_regular_file(typeEc) || entry.is_symlink(typeEc)) continue;
    // A program that is still running may be writing this one right now.
    const std::string digits = name.substr(name.rfind(kTempMarker) + kTempMarker.size());
    const long pid = std::strtol(digits.c_str(), nullptr, 10);
    if (pid > 0 && pid != static_cast<long>(::getpid()) && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM))
      continue;
    std::error_code removeEc;
    if (std::filesystem::remove(entry.path(), removeEc)) ++removed;
  }
  return removed;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::string* reason) {
  static std::atomic<unsigned> counter{0};
  if (path.empty()) {
    SetReason(reason, "no file is named");
    return false;
  }
  // Where the file is a symbolic link, the link stays and its target is replaced.
  const std::filesystem::path target = ResolveFileLinks(path);
  struct stat st {};
  const bool exists = ::lstat(target.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) {
    SetReason(reason, S_ISDIR(st.st_mode) ? "a directory, not a file" : "not a regular file");
    return false;
  }
  std::filesystem::path tmp = target;
  tmp += std::string(kTempMarker) + std::to_string(::getpid()) + "-" + std::to_string(counter++);
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? (st.st_mode & 07777) : 0644);
  if (fd < 0) {
    SetReason(reason, ErrnoText(errno));
    return false;
  }
  bool ok = WriteAll(fd, bytes);
  int error = ok ? 0 : errno;
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    error = errno;
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(tmp.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(tmp.c_str());
    SetReason(reason, ErrnoText(error));
    return false;
  }
  SyncFolder(target.parent_path());
  return true;
}

UnicodeTextReader::~UnicodeTextReader() { Reset(); }

void UnicodeTextReader::Reset() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  chunkBytes_ = 0;
  streamLeft_ = 0;
  readFailed_ = false;
  buffer_.reset();
  text_ = {};
  fileBytes_ = {};
  rawBytes_.reset();
  pos_ = 0;
  open_ = false;
}

bool UnicodeTextReader::Open(const std::filesystem::path& path) { return OpenChecked(path) == FileReadStatus::Ok; }

FileReadStatus UnicodeTextReader::OpenChecked(const std::filesystem::path& path, std::string* reason) {
  Reset();
  if constexpr (std::endian::native != std::endian::little) {
    auto raw = std::make_shared<std::string>();
    const FileReadStatus status = ReadFileBytesChecked(path, *raw, reason);
    if (status != FileReadStatus::Ok) return status;
    OpenBytes(*raw);
    fileBytes_ = *raw;
    rawBytes_ = std::move(raw);
    return status;
  }
  // The file's byte order is the machine's: its units are read in place, the byte-order
  // mark as unit 0 and an odd last byte in the half of a unit after the text.
  std::shared_ptr<char16_t[]> units;
  std::size_t got = 0;
  const FileReadStatus status = ReadRegularFile(path, reason, got, [&](std::size_t size) {
    units = std::make_shared_for_overwrite<char16_t[]>(size / 2 + 1);
    return reinterpret_cast<char*>(units.get());
  });
  if (status != FileReadStatus::Ok) return status;
  const std::size_t start = got >= 2 ? 1 : 0;
  text_ = std::u16string_view(units.get() + start, got / 2 - start);
  fileBytes_ = std::string_view(reinterpret_cast<const char*>(units.get()), got);
  buffer_ = std::move(units);
  open_ = true;
  return status;
}

FileReadStatus UnicodeTextReader::OpenStream(const std::filesystem::path& path, std::string* reason) {
  // Units are read in place only in the file's own byte order.
  if constexpr (std::endian::native != std::endian::little) return OpenChecked(path, reason);
  Reset();
  std::size_t size = 0;
  const FileReadStatus status = OpenRegularFile(path, reason, fd_, size);
  if (status != FileReadStatus::Ok) return status;
  // Big enough for any line of the program's files; a longer one grows it.
  constexpr std::size_t kChunkUnits = 32 * 1024;
  if (chunkUnits_ == 0) {
    chunk_ = std::make_unique_for_overwrite<char16_t[]>(kChunkUnits);
    chunkUnits_ = kChunkUnits;
  }
  streamLeft_ = size;
  open_ = true;
  // The byte-order mark is skipped unseen, as when the file is read whole.
  while (chunkBytes_ < 2 && Refill()) {
  }
  pos_ = chunkBytes_ >= 2 ? 1 : 0;
  return status;
}

bool UnicodeTextReader::Refill() {
  if (fd_ < 0 || streamLeft_ == 0) return false;
  char* const bytes = reinterpret_cast<char*>(chunk_.get());
  // The unread units and an odd last byte move to the front.
  const std::size_t done = pos_ * 2;
  if (done != 0) {
    std::memmove(bytes, bytes + done, chunkBytes_ - done);
    chunkBytes_ -= done;
    pos_ = 0;
  }
  if (chunkBytes_ == chunkUnits_ * 2) {
    auto larger = std::make_unique_for_overwrite<char16_t[]>(chunkUnits_ * 2);
    std::memcpy(larger.get(), chunk_.get(), chunkBytes_);
    chunk_ = std::move(larger);
    chunkUnits_ *= 2;
  }
  char* const free = reinterpret_cast<char*>(chunk_.get()) + chunkBytes_;
  const std::size_t want = std::min(chunkUnits_ * 2 - chunkBytes_, streamLeft_);
  for (;;) {
    const ssize_t n = ::read(fd_, free, want);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      // A file that shrank since it was opened ends where it now ends.
      readFailed_ = n < 0;
      streamLeft_ = 0;
      return false;
    }
    chunkBytes_ += static_cast<std::size_t>(n);
    streamLeft_ -= static_cast<std::size_t>(n);
    return true;
  }
}

bool UnicodeTextReader::ReadStreamLine(std::u16string_view& line) {
  std::size_t from = pos_;
  std::size_t end = 0;
  for (;;) {
    const std::u16string_view held(chunk_.get(), chunkBytes_ / 2);
    const std::size_t lf = FindLineFeed(held, from);
    if (lf != std::u16string_view::npos) {
      end = lf + 1;
      break;
    }
    const std::size_t searched = held.size() - pos_;
    if (!Refill()) {
      end = chunkBytes_ / 2;
      break;
    }
    from = pos_ + searched;
  }
  line = std::u16string_view(chunk_.get() + pos_, end - pos_);
  pos_ = end;
  if (line.size() > 1 && line.back() == u'\n') line.remove_suffix(1);
  return !line.empty();
}

void UnicodeTextReader::OpenBytes(std::string_view bytes) {
  Reset();
  open_ = true;
  // The first two bytes are skipped without being looked at.
  const std::size_t start = bytes.size() >= 2 ? 2 : bytes.size();
  const std::size_t count = (bytes.size() - start) / 2;
  auto units = std::make_shared_for_overwrite<char16_t[]>(count + 1);
  if constexpr (std::endian::native == std::endian::little) {
    // The file's byte order is the machine's: the units are the bytes as they are.
    if (count != 0) std::memcpy(units.get(), bytes.data() + start, count * 2);
  } else {
    for (std::size_t i = 0; i < count; ++i) {
      const auto lo = static_cast<unsigned char>(bytes[start + 2 * i]);
      const auto hi = static_cast<unsigned char>(bytes[start + 2 * i + 1]);
      units[i] = static_cast<char16_t>(lo | (hi << 8));
    }
  }
  text_ = std::u16string_view(units.get(), count);
  buffer_ = std::move(units);
}

void UnicodeTextReader::OpenText(std::u16string text) {
  Reset();
  auto owned = std::make_shared<const std::u16string>(std::move(text));
  text_ = *owned;
  buffer_ = std::move(owned);
  open_ = true;
}

bool UnicodeTextReader::ReadLine(std::u16string_view& line) {
  line = {};
  if (open_ && fd_ >= 0) return ReadStreamLine(line);
  if (!open_ || pos_ >= text_.size()) return false;
  const std::size_t lf = FindLineFeed(text_, pos_);
  const std::size_t end = lf == std::u16string_view::npos ? text_.size() : lf + 1;
  line = std::u16string_view(text_).substr(pos_, end - pos_);
  pos_ = end;
  if (line.size() > 1 && line.back() == u'\n') line.remove_suffix(1);
  return !line.empty();
}

bool UnicodeTextReader::ReadLine(std::u16string& line) {
  std::u16string_view view;
  const bool any = ReadLine(view);
  line.assign(view);
  return any;
}

std::string UnicodeTextWriter::Bytes() const {
  std::string bytes;
  bytes.reserve(2 + 2 * text_.size());
  bytes.push_back(static_cast<char>(0xFF));
  bytes.push_back(static_cast<char>(0xFE));
  for (char16_t c : text_) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

bool UnicodeTextWriter::Commit(const std::filesystem::path& path, std::string* reason) const {
  return WriteFileAtomically(path, Bytes(), reason);
}

}  // namespace corvane
