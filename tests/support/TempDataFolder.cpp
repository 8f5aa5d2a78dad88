#include "support/TempDataFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>

namespace corvane::testing {

TempDataFolder::TempDataFolder() {
  static std::atomic<int> counter{0};
  root_ = std::filesystem::temp_directory_path() /
          ("corvane-data-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(root_);
  std::filesystem::create_directories(root_);
}

TempDataFolder::~TempDataFolder() {
  std::error_code ec;
  std::filesystem::remove_all(root_, ec);
}

void TempDataFolder::PutText(std::string_view relative, std::u16string_view text) const {
  PutBytes(relative, Utf16File(text));
}

void TempDataFolder::PutBytes(std::string_view relative, std::string_view bytes) const {
  const auto path = Path(relative);
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

std::string TempDataFolder::Bytes(std::string_view relative) const {
  std::ifstream in(Path(relative), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempDataFolder::Exists(std::string_view relative) const { return std::filesystem::exists(Path(relative)); }

std::vector<std::pair<std::string, std::string>> TempDataFolder::Snapshot() const {
  std::vector<std::pair<std::string, std::string>> files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(root_)) {
    if (!e.is_regular_file()) continue;
    const std::string rel = std::filesystem::relative(e.path(), root_).string();
    files.emplace_back(rel, Bytes(rel));
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string Utf16File(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

std::vector<std::u16string> Utf16Lines(const std::string& bytes) {
  std::vector<std::u16string> lines;
  EXPECT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(bytes.size() % 2, 0u);
  std::u16string line;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const auto c = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                         (static_cast<unsigned char>(bytes[i + 1]) << 8));
    if (c == u'\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line.push_back(c);
    }
  }
  EXPECT_TRUE(line.empty()) << "the last line has no line feed";
  return lines;
}

std::u16string JoinLines(const std::vector<std::u16string>& lines) {
  std::u16string text;
  for (const auto& l : lines) {
    text += l;
    text.push_back(u'\n');
  }
  return text;
}

}  // namespace corvane::testing
