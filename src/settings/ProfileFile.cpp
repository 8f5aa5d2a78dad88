#include "settings/ProfileFile.h"

#include <algorithm>
#include <type_traits>
#include <variant>
#include <vector>

#include "base/DamagedFile.h"
#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"
#include "settings/ConfigTable.h"
#include "settings/SettingsStore.h"

namespace corvane {
namespace {

using Bytes3 = std::array<std::uint8_t, 3>;
using PerMode = std::array<std::uint8_t, kLightingModeCount>;
using SlotFlags = std::array<std::array<std::uint8_t, kLightingSlotCount>, kLightingModeCount>;
using SlotColours = std::array<std::array<std::uint32_t, kLightingSlotCount>, kLightingModeCount>;

// The value of a line between the settings and the button blocks. Each target type
// has one layout; a u32 is always a colour.
template <class R>
using Field = std::conditional_t<
    std::is_const_v<R>,
    std::variant<const std::uint8_t*, const std::uint16_t*, const std::uint32_t*, const Bytes3*, const PerMode*,
                 const SlotFlags*, const SlotColours*, const std::u16string*>,
    std::variant<std::uint8_t*, std::uint16_t*, std::uint32_t*, Bytes3*, PerMode*, SlotFlags*, SlotColours*,
                 std::u16string*>>;

template <class R>
struct BodyLine {
  std::u16string Prefix;  // everything up to and including the "="
  Field<R> Target;
};

std::u16string Numbered(std::u16string_view before, int n, std::u16string_view after) {
  std::u16string s(before);
  s += FormatDecimal(n);
  s += after;
  return s;
}

// Lines 26 to 69, in file order.
template <class R>
std::vector<BodyLine<R>> BodyLines(R& r) {
  std::vector<BodyLine<R>> lines;
  lines.reserve(44);
  lines.push_back({u"DPIOffOnFlagValue=", &r.DPIOffOnFlag});
  for (int level = 0; level < kDpiLevelCount; ++level) {
    const auto l = static_cast<std::size_t>(level);
    lines.push_back({Numbered(u"\tXYSetting", level + 1, u"ValueX="), &r.XYSettingX[l]});
    lines.push_back({Numbered(u"\tXYSetting", level + 1, u"ValueY="), &r.XYSettingY[l]});
  }
  lines.push_back({u"\tCurrentDPILevelValue=", &r.CurrentDPILevel});
  for (int level = 0; level < kDpiLevelCount; ++level) {
    lines.push_back({Numbered(u"\tDPILevelIndication", level, u"Valuer="),
                     &r.DPILevelIndication[static_cast<std::size_t>(level)]});
  }
  lines.push_back({u"\tAngleSnapValue=", &r.AngleSnapValue});
  lines.push_back({u"\tLiftDetectionValue=", &r.LiftDetectionValue});
  lines.push_back({u"PollingRateName=", &r.PollingRateName});
  lines.push_back({u"\tPollingRateValue=", &r.PollingRateValue});
  lines.push_back({u"Lighting1Name=", &r.Lighting1Name});
  lines.push_back({u"\tLighting1ModeValue=", &r.Lighting1ModeValue});
  lines.push_back({u"\tLighting1OffOn=", &r.Lighting1OffOn});
  lines.push_back({u"\tLighting1Speed=", &r.Lighting1Speed});
  lines.push_back({u"\tLighting1Brightness=", &r.Lighting1Brightness});
  lines.push_back({u"\tLighting1ColorSelected=", &r.Lighting1ColorSelected});
  lines.push_back({u"\tLighting1FixedColor=", &r.Lighting1FixedColor});
  lines.push_back({u"\tLighting1Direction=", &r.Lighting1Direction});
  lines.push_back({u"Lighting2Name=", &r.Lighting2Name});
  lines.push_back({u"\tLighting2ModeValue=", &r.Lighting2ModeValue});
  lines.push_back({u"\tLighting2OffOn=", &r.Lighting2OffOn});
  lines.push_back({u"\tLighting2Speed=", &r.Lighting2Speed});
  lines.push_back({u"\tLighting2Brightness=", &r.Lighting2Brightness});
  lines.push_back({u"\tLighting2FixedColor=", &r.Lighting2FixedColor});
  return lines;
}

// ---- writing ----

// Colours are written red, green, blue.
void AppendColour(std::u16string& s, std::uint32_t c) {
  AppendHexDigits(s, c & 0xFF, 2);
  AppendHexDigits(s, (c >> 8) & 0xFF, 2);
  AppendHexDigits(s, (c >> 16) & 0xFF, 2);
}

struct AppendValue {
  std::u16string& s;
  void operator()(const std::uint8_t* v) const { AppendHexDigits(s, *v, 2); }
  void operator()(const std::uint16_t* v) const { AppendHexDigits(s, *v, 4); }
  void operator()(const std::uint32_t* v) const { AppendColour(s, *v); }
  void operator()(const Bytes3* v) const {
    for (std::uint8_t b : *v) AppendHexDigits(s, b, 2);
  }
  void operator()(const PerMode* v) const {
    for (std::size_t m = 0; m < v->size(); ++m) {
      if (m) s.push_back(u'|');
      AppendHexDigits(s, (*v)[m], 2);
    }
  }
  void operator()(const SlotFlags* v) const {
    for (const auto& mode : *v) {
      for (std::size_t i = 0; i < mode.size(); ++i) {
        AppendHexDigits(s, mode[i], 2);
        s.push_back(i + 1 < mode.size() ? u'|' : u';');
      }
    }
  }
  void operator()(const SlotColours* v) const {
    for (const auto& mode : *v) {
      for (std::size_t i = 0; i < mode.size(); ++i) {
        AppendColour(s, mode[i]);
        s.push_back(i + 1 < mode.size() ? u'|' : u';');
      }
    }
  }
  void operator()(const std::u16string* v) const { s += *v; }
};

void AppendLine(std::u16string& s, std::u16string_view a, std::u16string_view b = {}) {
  s += a;
  s += b;
  s.push_back(u'\n');
}

// ---- reading ----

// Hexadecimal field of a fixed place in a value text. The parse stops at the first
// character that is not a digit; a field running past the end of the line takes what
// is there.
unsigned long HexAt(std::u16string_view v, std::size_t pos, std::size_t len) {
  if (pos >= v.size()) return 0;
  return static_cast<unsigned long>(ParseLong(v.substr(pos, len), 16));
}

std::uint32_t ColourAt(std::u16string_view v, std::size_t pos) {
  return static_cast<std::uint32_t>((HexAt(v, pos, 2) & 0xFF) | (HexAt(v, pos + 2, 2) & 0xFF) << 8 |
                                    (HexAt(v, pos + 4, 2) & 0xFF) << 16);
}

struct ParseValue {
  std::u16string_view v;  // the text after the "="
  void operator()(std::uint8_t* t) const { *t = static_cast<std::uint8_t>(HexAt(v, 0, 2)); }
  void operator()(std::uint16_t* t) const { *t = static_cast<std::uint16_t>(HexAt(v, 0, 4)); }
  void operator()(std::uint32_t* t) const { *t = ColourAt(v, 0); }
  void operator()(Bytes3* t) const {
    for (std::size_t i = 0; i < t->size(); ++i) (*t)[i] = static_cast<std::uint8_t>(HexAt(v, 2 * i, 2));
  }
  void operator()(PerMode* t) const {
    for (std::size_t j = 0; j < t->size(); ++j) (*t)[j] = static_cast<std::uint8_t>(HexAt(v, 3 * j, 2));
  }
  void operator()(SlotFlags* t) const {
    for (std::size_t m = 0; m < kLightingModeCount; ++m) {
      for (std::size_t s = 0; s < kLightingSlotCount; ++s) {
        (*t)[m][s] = static_cast<std::uint8_t>(HexAt(v, 3 * (kLightingSlotCount * m + s), 2));
      }
    }
  }
  void operator()(SlotColours* t) const {
    for (std::size_t m = 0; m < kLightingModeCount; ++m) {
      for (std::size_t s = 0; s < kLightingSlotCount; ++s) (*t)[m][s] = ColourAt(v, 7 * (kLightingSlotCount * m + s));
    }
  }
  void operator()(std::u16string* t) const { *t = v; }
};

// The next line and the position of its first "=". keyed: the "=" must follow at
// least one character; otherwise it may stand anywhere. valued: at least one
// character must follow it.
bool NextLine(UnicodeTextReader& in, std::u16string& line, std::size_t& eq, bool keyed, bool valued) {
  if (!in.ReadLine(line)) return false;
  eq = line.find(u'=');
  if (eq == std::u16string::npos) return false;
  if (keyed && eq == 0) return false;
  if (valued && eq + 1 >= line.size()) return false;
  return true;
}

bool ParseButton(UnicodeTextReader& in, ButtonEntry& b) {
  std::u16string line;
  std::size_t eq = 0;
  if (!NextLine(in, line, eq, true, false)) return false;
  b.Name = line.substr(eq + 1);
  if (!NextLine(in, line, eq, true, false)) return false;
  b.URL = line.substr(eq + 1);
  if (!NextLine(in, line, eq, true, false)) return false;
  ParseValue{std::u16string_view(line).substr(eq + 1)}(&b.Value);
  if (!NextLine(in, line, eq, false, true)) return false;
  b.MacroKeyIndex = static_cast<std::uint32_t>(ParseLong(std::u16string_view(line).substr(eq + 1), 10));
  if (!NextLine(in, line, eq, false, false)) return false;
  b.Macro.MacroItemName = line.substr(eq + 1);
  if (!NextLine(in, line, eq, false, true)) return false;
  // A count beyond the 250 slots would send readers of the steps past the macro's end.
  const auto count = static_cast<std::uint32_t>(ParseLong(std::u16string_view(line).substr(eq + 1), 10));
  b.Macro.MacroActionNum = std::min(count, MacroItem::kMaxActions);
  if (!NextLine(in, line, eq, false, false)) return false;
  const std::u16string_view actions = std::u16string_view(line).substr(eq + 1);
  return b.Macro.ReadStepDigits(actions);
}

}  // namespace

std::u16string ProfileFileText(const ProfileRecord& r) {
  std::u16string s;
  s.reserve(24000);
  AppendLine(s, u"[Setting]");
  for (const SettingPair& pair : r.Settings) {
    s += pair.Key;
    AppendLine(s, u"=", pair.Value);
  }
  for (const auto& line : BodyLines(r)) {
    s += line.Prefix;
    std::visit(AppendValue{s}, line.Target);
    s.push_back(u'\n');
  }
  for (int k = 0; k < kButtonCount; ++k) {
    const ButtonEntry& b = r.Buttons[static_cast<std::size_t>(k)];
    AppendLine(s, Numbered(u"Key", k, u"Name="), b.Name);
    AppendLine(s, Numbered(u"\tKey", k, u"URL="), b.URL);
    s += Numbered(u"\tKey", k, u"Value=");
    AppendValue{s}(&b.Value);
    s.push_back(u'\n');
    AppendLine(s, u"\tMacroKeyIndex=", FormatDecimal(b.MacroKeyIndex));
    AppendLine(s, Numbered(u"\tMacroKey", k, u"Name="), b.Macro.MacroItemName);
    AppendLine(s, u"\t\tMacroActionNum=", FormatDecimal(b.Macro.MacroActionNum));
    s += u"\t\tAllAction=";
    b.Macro.AppendStepDigits(s);
    s.push_back(u'\n');
  }
  return s;
}

namespace {

// Reads the lines into r as far as they go; fields before a bad line keep what was read.
bool ParseInto(UnicodeTextReader& in, ProfileRecord& r) {
  std::u16string line;
  std::size_t eq = 0;
  // A file saved with carriage returns fails here: its first line is "[Setting]\r".
  if (!in.ReadLine(line) || line != u"[Setting]") return false;
  for (SettingPair& pair : r.Settings) {
    if (!NextLine(in, line, eq, true, false)) return false;
    pair.Key = line.substr(0, eq);
    pair.Value = line.substr(eq + 1);
  }
  for (const auto& body : BodyLines(r)) {
    if (!NextLine(in, line, eq, true, false)) return false;
    std::visit(ParseValue{std::u16string_view(line).substr(eq + 1)}, body.Target);
  }
  for (ButtonEntry& b : r.Buttons) {
    // A button block cut short keeps the button as it was.
    ButtonEntry read = b;
    if (!ParseButton(in, read)) return false;
    b = std::move(read);
  }
  // Lines after the last button block are ignored.
  return true;
}

void Notice(SettingsStore& ctx, const std::filesystem::path& file, const std::string& text) {
  ctx.FileNotices.push_back(ShownPath(file, ctx.DataFolder) + ": " + text);
}

}  // namespace

bool ParseProfileFile(UnicodeTextReader& in, ProfileRecord& record) {
  ProfileRecord r = record;
  if (!ParseInto(in, r)) return false;
  record = std::move(r);
  return true;
}

bool RecoverProfileFile(UnicodeTextReader& in, ProfileRecord& record) { return ParseInto(in, record); }

bool WriteProfileFile(const ProfileRecord& record, const std::filesystem::path& path, std::string* reason) {
  if (path.empty()) {
    if (reason) *reason = "no file is named";
    return false;
  }
  UnicodeTextWriter writer;
  writer.Write(ProfileFileText(record));
  return writer.Commit(path, reason);
}

bool ReadProfileFile(SettingsStore& ctx, const LanguageTable&, int p, const std::filesystem::path& path,
                     std::string* reason) {
  if (p < 0 || p >= kProfileCount) return false;
  std::string bytes, why;
  const FileReadStatus status = ReadFileBytesChecked(path, bytes, &why);
  if (status == FileReadStatus::Ok) {
    UnicodeTextReader reader;
    reader.OpenBytes(bytes);
    if (ParseProfileFile(reader, ctx.Profiles[p])) return true;
    why = DescribeTextDamage(bytes);
    if (why.empty()) why = "not a complete profile file";
  }
  if (reason) *reason = why;
  return false;
}

bool LoadProfileSlot(SettingsStore& ctx, const LanguageTable& language, int p) {
  if (p < 0 || p >= kProfileCount) return false;
  ProfileRecord& record = ctx.Profiles[p];
  const std::filesystem::path file = ProfileSlotPath(ctx, p);
  const std::string which = "profile " + std::to_string(p);
  if (file.empty()) {
    ResetProfileToDefaults(record, p, language, ctx.Dpi.SensorId);
    if (!ctx.Config.ProfileSlotText(p).empty()) {
      ctx.FileNotices.push_back("ProfileSlot" + std::to_string(p) + "URL \"" + Utf8(ctx.Config.ProfileSlotText(p)) +
                                "\" points outside the data folder; " + which +
                                " is at its defaults and is not saved there");
    }
    return false;
  }
  std::string bytes, reason;
  const FileReadStatus status = ReadFileBytesChecked(file, bytes, &reason);
  if (status == FileReadStatus::Ok) {
    UnicodeTextReader reader;
    reader.OpenBytes(bytes);
    if (ParseProfileFile(reader, record)) return true;
  }
  ResetProfileToDefaults(record, p, language, ctx.Dpi.SensorId);
  if (status == FileReadStatus::Missing) {
    // A first start, or a profile whose file was removed: its defaults are written.
    WriteProfileFile(record, file);
    return false;
  }
  if (status == FileReadStatus::NotRegularFile) {
    Notice(ctx, file, reason + "; " + which + " is at its defaults and is not saved there");
    return false;
  }
  bool whole = false;
  if (status == FileReadStatus::Ok) {
    reason = DescribeTextDamage(bytes);
    if (reason.empty()) reason = "not a complete profile file";
    UnicodeTextReader reader;
    reader.OpenText(RecoverDamagedText(bytes));
    whole = RecoverProfileFile(reader, record);
  }
  std::string asideReason;
  const std::filesystem::path aside = KeepDamagedFileAside(file, &asideReason);
  if (aside.empty()) {
    Notice(ctx, file,
           reason + "; it could not be kept aside (" + asideReason + "), so it is left as it is and not saved over");
    return false;
  }
  WriteProfileFile(record, file);
  Notice(ctx, file,
         reason + "; the file was kept as " + aside.filename().string() + "; " +
             (whole ? "all of " + which + " was read from it"
                    : "what could be read was loaded, the rest of " + which + " is at its defaults"));
  return false;
}

bool SaveAllProfiles(const SettingsStore& ctx, std::string* reason) {
  bool ok = true;
  for (int p = 0; p < kProfileCount; ++p) {
    const std::filesystem::path file = ProfileSlotPath(ctx, p);
    std::string why;
    if (WriteProfileFile(ctx.Profiles[p], file, &why)) continue;
    if (ok && reason) {
      *reason = file.empty() ? "profile " + std::to_string(p) + ": its configured file \"" +
                                   Utf8(ctx.Config.ProfileSlotText(p)) + "\" is not usable"
                             : ShownPath(file, ctx.DataFolder) + ": " + why;
    }
    ok = false;
  }
  return ok;
}

}  // namespace corvane
