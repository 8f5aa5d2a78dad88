#include "macros/MacroStepSyntax.h"

#include <optional>
#include <string_view>

#include "base/TextUtil.h"
#include "settings/KeyTables.h"

namespace corvane {
namespace {

constexpr std::uint8_t kFirstKeyCode = 8;

struct SignedStepForm {
  std::u16string_view Prefix;
  std::uint8_t Code;
};

constexpr SignedStepForm kSignedForms[] = {
    {u"mx:", kMacroMoveX},
    {u"my:", kMacroMoveY},
    {u"wheel:", kMacroWheel},
};

bool AllDigits(std::u16string_view t) {
  if (t.empty()) return false;
  for (char16_t c : t) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

// "0xNN" with one or two hexadecimal digits.
std::optional<unsigned> HexCode(std::u16string_view t) {
  if (t.size() < 3 || t.size() > 4 || t[0] != u'0' || (t[1] != u'x' && t[1] != u'X')) return std::nullopt;
  for (char16_t c : t.substr(2)) {
    if (HexDigitValue(c) < 0) return std::nullopt;
  }
  return static_cast<unsigned>(ParseLong(t.substr(2), 16));
}

bool ParsePressRelease(std::u16string_view text, MacroAction& step, std::string& error) {
  const bool release = text[0] == u'-';
  const std::u16string_view name = text.substr(1);
  if (const auto code = HexCode(name)) {
    if (*code < kFirstKeyCode || *code > kVkMouseK5) {
      error = std::string("key code ") + Utf8(name) + " is not a key or mouse button of a macro step (0x08..0xE4)";
      return false;
    }
    step = MakeKeyStep(static_cast<std::uint8_t>(*code), release);
    return true;
  }
  const auto code = PressReleaseStepOfName(name);
  if (!code) {
    error = std::string("unknown key or mouse button name \"") + Utf8(name) + "\"";
    return false;
  }
  step = MakeKeyStep(*code, release);
  return true;
}

bool ParseSigned(std::u16string_view number, std::uint8_t code, MacroAction& step, std::string& error) {
  const std::u16string_view digits = !number.empty() && (number[0] == u'-' || number[0] == u'+') ? number.substr(1) : number;
  if (!AllDigits(digits) || digits.size() > 4) {
    error = std::string("\"") + Utf8(number) + "\" is not a whole number";
    return false;
  }
  const long v = ParseLong(number);
  if (v < -128 || v > 127) {
    error = "movement and wheel amounts lie within -128..127";
    return false;
  }
  step = MakeMotionStep(code, static_cast<std::int8_t>(v));
  return true;
}

}  // namespace

bool ParseMacroStep(std::u16string_view text, MacroAction& step, std::string& error) {
  error.clear();
  if (text.size() > 1 && (text[0] == u'+' || text[0] == u'-')) return ParsePressRelease(text, step, error);
  for (const auto& f : kSignedForms) {
    if (text.substr(0, f.Prefix.size()) == f.Prefix) return ParseSigned(text.substr(f.Prefix.size()), f.Code, step, error);
  }
  if (text.size() > 2 && text.substr(text.size() - 2) == u"ms") {
    const std::u16string_view number = text.substr(0, text.size() - 2);
    if (!AllDigits(number) || number.size() > 9 || static_cast<unsigned long>(ParseLong(number)) > kMaxMacroDelayMs) {
      error = std::string("a delay is 0..") + std::to_string(kMaxMacroDelayMs) + " ms, written like 50ms";
      return false;
    }
    step = MakeDelayStep(static_cast<std::uint32_t>(ParseLong(number)));
    return true;
  }
  error = std::string("\"") + Utf8(text) + "\" is not a step (+NAME, -NAME, NUMBERms, mx:N, my:N, wheel:N)";
  return false;
}

std::u16string FormatMacroStep(const MacroAction& step) {
  std::u16string out;
  if (IsDelayStep(step)) {
    out = FormatDecimal(DelayOf(step));
    out += u"ms";
    return out;
  }
  for (const auto& f : kSignedForms) {
    if (step.bytes[0] != f.Code) continue;
    out = f.Prefix;
    out += FormatDecimal(static_cast<std::int8_t>(step.bytes[3]));
    return out;
  }
  out.push_back((step.bytes[1] & kMacroReleaseBit) ? u'-' : u'+');
  const std::uint8_t code = step.bytes[0];
  const std::u16string_view name = KeyName(code);
  if (PressReleaseStepOfName(name) == code) {
    out += name;
  } else {
    out += u"0x";
    out += FormatHexFixed(code, 2);
  }
  return out;
}

}  // namespace corvane
