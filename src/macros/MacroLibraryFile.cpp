#include "macros/MacroLibraryFile.h"

#include <array>
#include <climits>
#include <utility>
#include <optional>

#include "base/DamagedFile.h"
#include "base/DataFolder.h"
#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"

namespace corvane {
namespace {

constexpr std::u16string_view kHeader = u"[MacroLibrary]";

void AppendUnsigned(std::u16string& out, unsigned long long v) {
  char16_t buf[24];
  int n = 0;
  do {
    buf[n++] = static_cast<char16_t>(u'0' + v % 10);
    v /= 10;
  } while (v != 0);
  while (n > 0) out.push_back(buf[--n]);
}

void AppendInt(std::u16string& out, long long v) {
  if (v < 0) {
    out.push_back(u'-');
    AppendUnsigned(out, 0ULL - static_cast<unsigned long long>(v));
  } else {
    AppendUnsigned(out, static_cast<unsigned long long>(v));
  }
}

void AppendLocation(std::u16string& out, const MacroLocation& l) {
  out += u"stage=";
  AppendInt(out, l.stage);
  out += u";stage0Index=";
  AppendInt(out, l.stage0Index);
  out += u";stage1Index=";
  AppendInt(out, l.stage1Index);
  out += u";stage2Index=";
  AppendInt(out, l.stage2Index);
  out += u";";
}

void AppendRecord(std::u16string& out, const MacroLocation& at, const MacroNode& node) {
  const std::u16string_view indent = std::u16string_view(u"\t\t").substr(0, static_cast<std::size_t>(at.stage));
  const auto key = [&](std::u16string_view k) {
    out += indent;
    out += k;
  };
  key(u"++++++++MacroItemName=");
  out += node.MacroItemName;
  out += u'\n';
  key(u"MacroItemLocation:");
  AppendLocation(out, at);
  out += u'\n';
  key(u"MacroItemIsFolder=");
  AppendInt(out, node.MacroItemIsFolder);
  out += u'\n';
  key(u"MacroItemFolderIsOpen=");
  AppendInt(out, node.MacroItemFolderIsOpen);
  out += u'\n';
  if (!node.Item) return;
  const MacroItem& item = *node.Item;
  const std::pair<std::u16string_view, std::uint32_t> fields[] = {
      {u"MacroKeyIndex=", item.MacroKeyIndex},
      {u"MacroKeyLoopType=", item.MacroKeyLoopType},
      {u"MacroKeyLoopNum=", item.MacroKeyLoopNum},
      {u"MacroActionNum=", item.MacroActionNum},
      {u"MacroCommandActionNum=", item.MacroCommandActionNum},
  };
  for (const auto& [k, v] : fields) {
    key(k);
    AppendUnsigned(out, v);
    out += u'\n';
  }
  key(u"AllAction=");
  item.AppendStepDigits(out);
  out += u'\n';
}

// The text after the first "=", when there is at least one character of it.
std::optional<std::u16string_view> ValueOf(std::u16string_view line) {
  const std::size_t eq = line.find(u'=');
  if (eq == std::u16string_view::npos || eq + 1 >= line.size()) return std::nullopt;
  return line.substr(eq + 1);
}

int ClampToInt(long v) { return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v); }

// The decimal numbers after the first four "=" signs: stage and the three indexes.
bool ParseLocation(std::u16string_view line, MacroLocation& location) {
  int values[4];
  std::size_t pos = 0;
  for (int& v : values) {
    const std::size_t eq = line.find(u'=', pos);
    if (eq == std::u16string_view::npos) return false;
    const std::size_t semi = line.find(u';', eq + 1);
    const std::size_t end = semi == std::u16string_view::npos ? line.size() : semi;
    v = ClampToInt(ParseLong(line.substr(eq + 1, end - eq - 1)));
    pos = eq + 1;
  }
  location = MacroLocation{values[0], values[1], values[2], values[3]};
  return true;
}

// Lines are views into the reader's buffer, valid only until the next line is read: a
// library of a thousand macros is walked without copying a line, and what must outlive
// its line is copied from it.
class RecordReader {
 public:
  explicit RecordReader(UnicodeTextReader& reader) : reader_(reader) {}

  bool Line(std::u16string_view& line) { return reader_.ReadLine(line); }
  // A line that needs "=" and a value; false when it is missing or has none.
  bool Value(std::u16string_view& value) {
    std::u16string_view line;
    if (!reader_.ReadLine(line)) return false;
    const auto v = ValueOf(line);
    if (!v) return false;
    value = *v;
    return true;
  }
  bool Number(long& number) {
    std::u16string_view value;
    if (!Value(value)) return false;
    number = ParseLong(value);
    return true;
  }

 private:
  UnicodeTextReader& reader_;
};

// Reads one macro's fields after its folder flags; nullptr when a line is missing or bad.
std::unique_ptr<MacroItem> ReadMacroFields(RecordReader& in, std::u16string name) {
  long key = 0, loopType = 0, loopNum = 0, actionNum = 0, commandNum = 0;
  if (!in.Number(key) || !in.Number(loopType) || !in.Number(loopNum) || !in.Number(actionNum) ||
      !in.Number(commandNum)) {
    return nullptr;
  }
  std::u16string_view actions;
  if (!in.Value(actions) || actions.size() != kMacroAllStepDigits) return nullptr;
  auto item = std::make_unique<MacroItem>(std::move(name));
  item->ReadStepDigits(actions);
  item->MacroKeyIndex = static_cast<std::uint32_t>(key);
  item->MacroKeyLoopType = static_cast<std::uint8_t>(loopType);
  item->MacroKeyLoopNum = static_cast<std::uint8_t>(loopNum);
  // A count beyond the step array would let every later user read past it.
  const auto count = static_cast<std::uint32_t>(actionNum);
  item->MacroActionNum = count > MacroItem::kMaxActions ? MacroItem::kMaxActions : count;
  item->MacroCommandActionNum = static_cast<std::uint8_t>(commandNum);
  return item;
}

// Keeps new macros from taking an identity a loaded macro already has (a hand-edited
// file may carry a counter lower than its macros' indexes). A macro at key 4294967295
// leaves the counter at 0: no key is left, and adding a macro is refused.
void KeepKeyIndexAhead(MacroLibrary& library, bool anyMacro, std::uint32_t highestKey) {
  if (anyMacro && highestKey >= static_cast<std::uint32_t>(library.NextKeyIndex)) {
    library.NextKeyIndex = static_cast<int>(highestKey + 1u);
  }
}

bool ReadLibrary(UnicodeTextReader& reader, MacroLibrary& library, MacroLocation& savedSelection) {
  library.ClearLibrary();
  RecordReader in(reader);
  std::u16string_view line;
  if (!in.Line(line) || line != kHeader) return false;
  long next = 0;
  if (!in.Number(next)) return false;
  // A stored 0 says no key was left when it was saved; whether one is now (the macro at
  // the largest key deleted) follows from the macros read below.
  library.NextKeyIndex = next == 0 ? 1 : ClampToInt(next);
  if (!in.Line(line)) return false;
  MacroLocation selection;
  if (!ParseLocation(line, selection)) return false;
  savedSelection = selection;

  bool anyMacro = false;
  std::uint32_t highestKey = 0;
  bool ok = true;
  std::u16string_view nameLine;
  while (in.Line(nameLine)) {
    const auto nameValue = ValueOf(nameLine);
    if (!nameValue) {
      ok = false;
      break;
    }
    // Taken before the next line replaces the name line in the reader's buffer.
    std::u16string name(*nameValue);
    MacroLocation at;
    long isFolder = 0, isOpen = 0;
    if (!in.Line(line) || !ParseLocation(line, at) || !in.Number(isFolder) || !in.Number(isOpen)) {
      ok = false;
      break;
    }
    if (isFolder != 0) {
      library.PlaceFolder(at, std::move(name), isOpen != 0 ? 1 : 0);
      continue;
    }
    auto item = ReadMacroFields(in, std::move(name));
    if (!item) {
      ok = false;
      break;
    }
    const std::uint32_t key = item->MacroKeyIndex;
    if (library.PlaceMacro(at, std::move(item))) {
      highestKey = anyMacro && highestKey > key ? highestKey : key;
      anyMacro = true;
    }
  }
  KeepKeyIndexAhead(library, anyMacro, highestKey);
  return ok;
}

}  // namespace

std::u16string MacroLibraryText(const MacroLibrary& library, const MacroLocation& selection) {
  std::u16string out;
  out += kHeader;
  out += u"\nMacroKeyIndex=";
  AppendInt(out, library.NextKeyIndex);
  out += u"\nSelect Locaton:";
  AppendLocation(out, selection);
  out += u'\n';
  library.ForEachUsedNode([&](const MacroLocation& at, const MacroNode& node) { AppendRecord(out, at, node); });
  return out;
}

bool SaveMacroLibrary(const std::filesystem::path& path, const MacroLibrary& library,
                      const MacroLocation& selection, std::string* reason) {
  UnicodeTextWriter writer;
  writer.Write(MacroLibraryText(library, selection));
  if (2 + 2 * writer.Text().size() > UnicodeTextReader::kMaxFileBytes) {
    if (reason) *reason = "the library would be larger than can be read back";
    return false;
  }
  return writer.Commit(path, reason);
}

bool LoadMacroLibraryBytes(std::string_view bytes, MacroLibrary& library, MacroLocation& savedSelection) {
  UnicodeTextReader reader;
  reader.OpenBytes(bytes);
  return ReadLibrary(reader, library, savedSelection);
}

bool LoadMacroLibrary(const std::filesystem::path& path, MacroLibrary& library, MacroLocation& savedSelection) {
  UnicodeTextReader reader;
  if (reader.OpenStream(path) != FileReadStatus::Ok) return false;
  return ReadLibrary(reader, library, savedSelection) && !reader.ReadFailed();
}

std::filesystem::path MacroLibraryFilePath(const std::filesystem::path& dataFolder) {
  return ResolveDataPath(dataFolder, u"config\\MacroLibraryFile.mlf");
}

void LoadMacroLibraryFile(const std::filesystem::path& dataFolder, MacroLibrary& library,
                          std::vector<std::string>* notices) {
  const std::filesystem::path file = MacroLibraryFilePath(dataFolder);
  std::string why;
  MacroLocation checkedOnly;
  FileReadStatus status = FileReadStatus::Ok;
  {
    UnicodeTextReader reader;
    status = reader.OpenStream(file, &why);
    if (status == FileReadStatus::Missing) return;
    if (status == FileReadStatus::Ok && ReadLibrary(reader, library, checkedOnly) && !reader.ReadFailed()) return;
  }
  // A library that does not read cleanly is read again whole, to say what is wrong with
  // its bytes and to recover what can be (rare: the whole file may sit in memory then).
  std::string bytes;
  if (status == FileReadStatus::Ok) status = ReadFileBytesChecked(file, bytes, &why);
  const auto notice = [&](const std::string& text) {
    if (notices) notices->push_back(ShownPath(file, dataFolder) + ": " + text);
  };
  library.ClearLibrary();
  if (status == FileReadStatus::NotRegularFile) {
    notice(why + "; the macro library starts empty and is not saved there");
    return;
  }
  if (status == FileReadStatus::Ok) {
    why = DescribeTextDamage(bytes);
    if (why.empty()) why = "not a complete macro library (it stops at a missing or bad line)";
    UnicodeTextReader recovered;
    recovered.OpenText(RecoverDamagedText(bytes));
    ReadLibrary(recovered, library, checkedOnly);
  }
  std::string asideReason;
  const std::filesystem::path aside = KeepDamagedFileAside(file, &asideReason);
  if (aside.empty()) {
    notice(why + "; it could not be kept aside (" + asideReason + "), so it is left as it is");
    return;
  }
  int macros = 0, folders = 0;
  library.ForEachUsedNode([&](const MacroLocation&, const MacroNode& node) { ++(node.Item ? macros : folders); });
  notice(why + "; the file was kept as " + aside.filename().string() + "; " + std::to_string(macros) +
         " macros and " + std::to_string(folders) + " folders were read from it");
}

bool SaveMacroLibraryFile(const std::filesystem::path& dataFolder, const MacroLibrary& library, std::string* reason) {
  return SaveMacroLibrary(MacroLibraryFilePath(dataFolder), library, MacroLocation::None(), reason);
}

}  // namespace corvane
