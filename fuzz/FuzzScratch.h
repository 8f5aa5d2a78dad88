#pragma once
// What the fuzz targets share: a scratch folder of their own for the readers that take a
// file or a data folder, and the input seen as the UTF-16LE text the program's files hold.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace corvane::fuzz {

// A folder in memory (/dev/shm where there is one, so the program's flushed writes cost
// nothing), emptied for every input so each run starts from the same files; removed when
// the fuzzer ends.
class FuzzScratch {
 public:
  FuzzScratch() {
    std::error_code ec;
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
    std::string pattern = (base / "corvane-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    root_ = pattern;
  }
  ~FuzzScratch() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  FuzzScratch(const FuzzScratch&) = delete;
  FuzzScratch& operator=(const FuzzScratch&) = delete;

  // The folder, emptied.
  const std::filesystem::path& Fresh() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(root_, ec)) std::filesystem::remove_all(entry, ec);
    return root_;
  }
  const std::filesystem::path& Root() const { return root_; }

 private:
  std::filesystem::path root_;
};

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string_view AsBytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The bytes read as UTF-16LE code units (a trailing odd byte is dropped).
inline std::u16string Utf16Units(std::string_view bytes) {
  std::u16string text(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                    static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
  }
  return text;
}

// Stored file paths are resolved against the data folder unless they are absolute. An
// input that could name a file outside the scratch folder (an absolute path, a parent
// folder) is refused, so the fuzzer never writes anywhere else.
inline bool CouldLeaveScratch(std::u16string_view text) {
  return text.find(u"=/") != std::u16string_view::npos || text.find(u"=\\") != std::u16string_view::npos ||
         text.find(u"..") != std::u16string_view::npos;
}

}  // namespace corvane::fuzz
