#pragma once
// Command output as "key=value" lines, or as one flat JSON object with --json.
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::cli {

class KeyValueOutput {
 public:
  void Text(std::string key, std::string value);         // a JSON string
  void Text(std::string key, std::u16string_view value);  // a JSON string, from UTF-16
  void Number(std::string key, long value);              // a JSON number

  // Lines in the order added, or the JSON object on one line.
  void Print(std::ostream& out, bool json) const;

 private:
  struct Item {
    std::string Key;
    std::string Value;
    bool IsNumber;
  };
  std::vector<Item> items_;
};

// A JSON string literal, quotes included; control characters are escaped.
std::string JsonString(std::string_view utf8);
std::string JsonString(std::u16string_view text);

}  // namespace corvane::cli
