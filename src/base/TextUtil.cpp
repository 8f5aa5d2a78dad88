#include "base/TextUtil.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace corvane {

std::string ErrnoText(int error) {
  std::string text = std::strerror(error);
  if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z' && (text.size() < 2 || text[1] < 'A' || text[1] > 'Z'))
    text[0] = static_cast<char>(text[0] - 'A' + 'a');
  return text;
}

std::u16string U16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    char32_t cp = 0xFFFD;
    size_t len = 1;
    if (c < 0x80) {
      cp = c;
    } else if ((c >> 5) == 0x6) {
      len = 2;
    } else if ((c >> 4) == 0xE) {
      len = 3;
    } else if ((c >> 3) == 0x1E) {
      len = 4;
    }
    if (len > 1) {
      if (i + len > s.size()) {
        len = 1;
      } else {
        cp = c & (0x7F >> len);
        for (size_t k = 1; k < len; ++k) {
          const auto cc = static_cast<unsigned char>(s[i + k]);
          if ((cc >> 6) != 0x2) { cp = 0xFFFD; len = k; break; }
          cp = (cp << 6) | (cc & 0x3F);
        }
      }
    }
    i += len;
    if (cp >= 0x10000 && cp <= 0x10FFFF) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else if (cp > 0x10FFFF) {
      out.push_back(u'\uFFFD');
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string Utf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t cp = s[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;  // a lone surrogate cannot be written as UTF-8
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

namespace {
bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
int DigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'z') return c - u'a' + 10;
  if (c >= u'A' && c <= u'Z') return c - u'A' + 10;
  return 99;
}
}  // namespace

long ParseLong(std::u16string_view t, int base) {
  size_t i = 0;
  while (i < t.size() && IsSpace(t[i])) ++i;
  bool negative = false;
  if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
    negative = t[i] == u'-';
    ++i;
  }
  if (base == 16 && i + 2 < t.size() && t[i] == u'0' && (t[i + 1] == u'x' || t[i + 1] == u'X') &&
      DigitValue(t[i + 2]) < 16) {
    i += 2;
  }
  unsigned long long value = 0;
  bool overflow = false;
  for (; i < t.size(); ++i) {
    const int d = DigitValue(t[i]);
    if (d >= base) break;
    if (!overflow) {
      value = value * static_cast<unsigned>(base) + static_cast<unsigned>(d);
      if (value > static_cast<unsigned long long>(LONG_MAX) + 1ULL) overflow = true;
    }
  }
  if (overflow) return negative ? LONG_MIN : LONG_MAX;
  if (negative) return value > static_cast<unsigned long long>(LONG_MAX) ? LONG_MIN : -static_cast<long>(value);
  return value > static_cast<unsigned long long>(LONG_MAX) ? LONG_MAX : static_cast<long>(value);
}

std::u16string FormatDecimal(long value) { return U16(std::to_string(value)); }

std::u16string FormatHex4(unsigned value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "0x%4X", value);
  return U16(buf);
}

std::u16string FormatHexFixed(unsigned value, int width) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%0*X", width, value);
  return U16(buf);
}

}  // namespace corvane
