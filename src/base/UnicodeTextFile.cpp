#include "base/UnicodeTextFile.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace corvane {

bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size > UnicodeTextReader::kMaxFileBytes) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(static_cast<std::size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path tmp = path;
  tmp += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
  {
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fflush(f) == 0 &&
                    ::fsync(::fileno(f)) == 0;
    if (std::fclose(f) != 0 || !ok) {
      std::remove(tmp.c_str());
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(tmp, path, ec);
  if (ec) {
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}

bool UnicodeTextReader::Open(const std::filesystem::path& path) {
  std::string bytes;
  open_ = false;
  text_.clear();
  pos_ = 0;
  if (!ReadFileBytes(path, bytes)) return false;
  OpenBytes(bytes);
  return true;
}

void UnicodeTextReader::OpenBytes(std::string_view bytes) {
  text_.clear();
  pos_ = 0;
  open_ = true;
  // The first two bytes are skipped without being looked at.
  const std::size_t start = bytes.size() >= 2 ? 2 : bytes.size();
  const std::size_t units = (bytes.size() - start) / 2;
  text_.resize(units);
  for (std::size_t i = 0; i < units; ++i) {
    const auto lo = static_cast<unsigned char>(bytes[start + 2 * i]);
    const auto hi = static_cast<unsigned char>(bytes[start + 2 * i + 1]);
    text_[i] = static_cast<char16_t>(lo | (hi << 8));
  }
}

bool UnicodeTextReader::ReadLine(std::u16string& line) {
  line.clear();
  if (!open_ || pos_ >= text_.size()) return false;
  const std::size_t lf = text_.find(u'\n', pos_);
  const std::size_t end = lf == std::u16string::npos ? text_.size() : lf + 1;
  line.assign(text_, pos_, end - pos_);
  pos_ = end;
  if (line.size() > 1 && line.back() == u'\n') line.pop_back();
  return !line.empty();
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

bool UnicodeTextWriter::Commit(const std::filesystem::path& path) const {
  return WriteFileAtomically(path, Bytes());
}

}  // namespace corvane
