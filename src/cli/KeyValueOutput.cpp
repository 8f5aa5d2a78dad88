#include "cli/KeyValueOutput.h"

#include <cstdio>
#include <ostream>

#include "base/TextUtil.h"

namespace corvane::cli {

void KeyValueOutput::Text(std::string key, std::string value) {
  items_.push_back({std::move(key), std::move(value), false});
}

void KeyValueOutput::Text(std::string key, std::u16string_view value) { Text(std::move(key), Utf8(value)); }

void KeyValueOutput::Number(std::string key, long value) {
  items_.push_back({std::move(key), std::to_string(value), true});
}

void KeyValueOutput::Print(std::ostream& out, bool json) const {
  if (!json) {
    for (const Item& i : items_) out << i.Key << "=" << i.Value << "\n";
    return;
  }
  out << "{";
  const char* sep = "";
  for (const Item& i : items_) {
    out << sep << JsonString(i.Key) << ":" << (i.IsNumber ? i.Value : JsonString(i.Value));
    sep = ",";
  }
  out << "}\n";
}

std::string JsonString(std::string_view utf8) {
  std::string s = "\"";
  for (const char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      s.push_back('\\');
      s.push_back(c);
    } else if (u < 0x20) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04x", u);
      s += esc;
    } else {
      s.push_back(c);
    }
  }
  s.push_back('"');
  return s;
}

std::string JsonString(std::u16string_view text) { return JsonString(Utf8(text)); }

}  // namespace corvane::cli
