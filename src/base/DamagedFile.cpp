#include "base/DamagedFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <system_error>

#include "base/UnicodeTextFile.h"

namespace corvane {
namespace {

std::string TimeStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

void AppendUtf16(std::u16string& out, std::string_view bytes, bool bigEndian) {
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    out.push_back(static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a)));
  }
}

// UTF-8, where a byte that does not start a valid sequence stands for itself (Latin-1),
// so nothing of the file is dropped.
void AppendUtf8(std::u16string& out, std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    int extra = c >= 0xF0 && c < 0xF5 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 && c < 0xE0 ? 1 : 0;
    if (c < 0x80 || c >= 0xF5) extra = 0;
    char32_t cp = extra == 3 ? c & 0x07 : extra == 2 ? c & 0x0F : extra == 1 ? c & 0x1F : c;
    bool valid = extra > 0;
    for (int k = 1; valid && k <= extra; ++k) {
      if (i + static_cast<std::size_t>(k) >= bytes.size()) {
        valid = false;
        break;
      }
      const auto n = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
      if ((n & 0xC0) != 0x80) valid = false;
      cp = (cp << 6) | (n & 0x3F);
    }
    if (extra == 0 || !valid) {
      out.push_back(static_cast<char16_t>(c));
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += static_cast<std::size_t>(extra) + 1;
  }
}

// Text of ours is mostly ASCII: as UTF-16LE without a mark, most odd bytes are zero.
bool LooksLikeUtf16Le(std::string_view bytes) {
  if (bytes.size() < 4) return false;
  std::size_t zeroOdd = 0, pairs = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2, ++pairs) {
    if (bytes[i + 1] == '\0') ++zeroOdd;
  }
  return zeroOdd * 2 > pairs;
}

}  // namespace

std::filesystem::path KeepDamagedFileAside(const std::filesystem::path& file, std::string* reason) {
  const std::filesystem::path target = ResolveFileLinks(file);
  const std::string base = target.filename().string() + ".damaged-" + TimeStamp();
  std::error_code ec;
  for (int n = 1; n < 1000; ++n) {
    const std::filesystem::path aside = target.parent_path() / (n == 1 ? base : base + "-" + std::to_string(n));
    if (std::filesystem::exists(std::filesystem::symlink_status(aside, ec))) continue;
    if (std::rename(target.c_str(), aside.c_str()) == 0) return aside;
    if (reason) *reason = std::strerror(errno);
    return {};
  }
  if (reason) *reason = "too many kept copies";
  return {};
}

std::u16string RecoverDamagedText(std::string_view bytes) {
  std::u16string text;
  const auto starts = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
  if (starts("\xFF\xFE")) {
    AppendUtf16(text, bytes.substr(2), false);
  } else if (starts("\xFE\xFF")) {
    AppendUtf16(text, bytes.substr(2), true);
  } else if (starts("\xEF\xBB\xBF")) {
    AppendUtf8(text, bytes.substr(3));
  } else if (LooksLikeUtf16Le(bytes)) {
    AppendUtf16(text, bytes, false);
  } else {
    AppendUtf8(text, bytes);
  }
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] == u'\n')) continue;
    out.push_back(text[i]);
  }
  return out;
}

std::string DescribeTextDamage(std::string_view bytes) {
  if (bytes.size() <= 2) return "empty";
  if (bytes.substr(0, 2) != "\xFF\xFE") return "no UTF-16 byte-order mark (saved in another encoding)";
  for (std::size_t i = 2; i + 3 < bytes.size(); i += 2) {
    if (bytes[i] == '\r' && bytes[i + 1] == '\0' && bytes[i + 2] == '\n' && bytes[i + 3] == '\0')
      return "carriage-return line ends";
  }
  return {};
}

std::string ShownPath(const std::filesystem::path& file, const std::filesystem::path& folder) {
  const std::filesystem::path rel = file.lexically_relative(folder);
  if (rel.empty() || *rel.begin() == "..") return file.string();
  return rel.string();
}

}  // namespace corvane
