#include "base/UnicodeTextFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/TempDataFolder.h"

namespace corvane {
namespace {

std::string Le(std::u16string_view s, bool bom = true) {
  UnicodeTextWriter w;
  w.Write(s);
  std::string b = w.Bytes();
  return bom ? b : b.substr(2);
}

// Line is std::u16string (copied lines) or std::u16string_view (views into the reader's
// text); both must split alike.
template <class Line = std::u16string>
std::vector<std::u16string> ReadRest(UnicodeTextReader& r) {
  std::vector<std::u16string> lines;
  Line line;
  while (r.ReadLine(line)) lines.emplace_back(line);
  return lines;
}

template <class Line = std::u16string>
std::vector<std::u16string> ReadAll(std::string_view bytes) {
  UnicodeTextReader r;
  r.OpenBytes(bytes);
  return ReadRest<Line>(r);
}

TEST(UnicodeTextFile, ReadsLinesPositionally) {
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::u16string> lines;
  };
  const std::vector<Case> cases = {
      {"plain lines", Le(u"[Setting]\nA=1\n"), {u"[Setting]", u"A=1"}},
      {"empty line reads as a line feed", Le(u"a\n\nb"), {u"a", u"\n", u"b"}},
      {"carriage return stays", Le(u"[Setting]\r\nx\n"), {u"[Setting]\r", u"x"}},
      {"first two bytes skipped unseen", "AB" + Le(u"x\n", false), {u"x"}},
      {"odd trailing byte ignored", Le(u"ab\ncd") + "Z", {u"ab", u"cd"}},
      {"only a BOM", Le(u""), {}},
      {"one byte", "\xFF", {}},
      {"nothing", "", {}},
      {"last line without a line feed", Le(u"a\nlast"), {u"a", u"last"}},
      {"line feed as the very last unit", Le(u"a\n"), {u"a"}},
      {"lone surrogate kept as it is", Le(u"x\xD800y\n\xDC00\n"), {u"x\xD800y", u"\xDC00"}},
      // Units holding the byte 0A beside another byte are characters, not line feeds.
      {"byte 0A inside other characters", Le(u"\x0A41\x010A\n\x0A0A"), {u"\x0A41\x010A", u"\x0A0A"}},
      {"line feed after an odd-placed 0A byte", std::string("\xFF\xFE" "A\x0A" "\x0A\x00" "B\x00", 8), {u"\x0A41", u"B"}},
  };
  const testing::TempDataFolder folder;
  for (const auto& c : cases) {
    EXPECT_EQ(ReadAll(c.bytes), c.lines) << c.what;
    EXPECT_EQ(ReadAll<std::u16string_view>(c.bytes), c.lines) << c.what;
    // Read from a file in place: the same lines, and the bytes as they are on disk.
    folder.PutBytes("f.txt", c.bytes);
    UnicodeTextReader r;
    ASSERT_EQ(r.OpenChecked(folder.Path("f.txt")), FileReadStatus::Ok) << c.what;
    EXPECT_EQ(r.FileBytes(), c.bytes) << c.what;
    EXPECT_EQ(ReadRest<std::u16string_view>(r), c.lines) << c.what;
  }
}

TEST(UnicodeTextFile, OpenCheckedSaysWhatIsThereAndLinesLiveAsLongAsTheirOwner) {
  const testing::TempDataFolder folder;
  folder.PutText("a.txt", u"first\nsecond\n");
  UnicodeTextReader r;
  std::string why;
  EXPECT_EQ(r.OpenChecked(folder.Path("none.txt"), &why), FileReadStatus::Missing);
  EXPECT_FALSE(r.IsOpen());
  EXPECT_EQ(r.OpenChecked(folder.Root(), &why), FileReadStatus::NotRegularFile);
  EXPECT_EQ(why, "a directory, not a file");
  EXPECT_FALSE(r.IsOpen());
  EXPECT_TRUE(r.FileBytes().empty());

  std::u16string_view line;
  std::shared_ptr<const void> owner;
  {
    UnicodeTextReader file;
    ASSERT_EQ(file.OpenChecked(folder.Path("a.txt")), FileReadStatus::Ok);
    ASSERT_TRUE(file.ReadLine(line));
    owner = file.TextOwner();
    file.OpenText(u"other\n");  // a new opening leaves the old text to its owner
  }
  EXPECT_EQ(line, u"first");
}

std::vector<std::u16string> AllLines(UnicodeTextReader& r) {
  std::vector<std::u16string> lines;
  std::u16string_view line;
  while (r.ReadLine(line)) lines.emplace_back(line);
  return lines;
}

// The streamed file reads line for line as the file read whole, also where a line, a
// line feed or a unit with a 0A byte straddles the edge of the reused buffer, and where
// a line is longer than the buffer.
TEST(UnicodeTextFile, StreamedFileReadsTheSameLinesAsTheWholeFile) {
  constexpr std::size_t kBuffer = 32 * 1024;  // the stream's first buffer, in units
  const std::u16string filler(kBuffer - 3, u'x');
  struct Case {
    const char* what;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"empty file", ""},
      {"one byte", "\xFF"},
      {"byte-order mark only", "\xFF\xFE"},
      {"mark and an odd byte", "\xFF\xFE" "A"},
      {"short lines and empty ones", Le(u"a\n\n\nb\r\nlast")},
      {"odd byte after the text", Le(u"a\nb") + "\x41"},
      {"line feed at the buffer's edge", Le(filler + u"ab\nnext\n")},
      {"line feed just past the edge", Le(filler + u"abc\nnext")},
      {"0A byte units at the edge", Le(filler + u"\u0A41\u410A\u0A0A\nnext\n")},
      {"line longer than the buffer", Le(u"head\n" + std::u16string(3 * kBuffer + 5, u'y') + u"\ntail")},
      {"no byte-order mark", Le(u"ab\ncd", false)},
  };
  const testing::TempDataFolder folder;
  for (const Case& c : cases) {
    folder.PutBytes("f.txt", c.bytes);
    UnicodeTextReader whole, streamed;
    ASSERT_EQ(whole.OpenChecked(folder.Path("f.txt")), FileReadStatus::Ok) << c.what;
    ASSERT_EQ(streamed.OpenStream(folder.Path("f.txt")), FileReadStatus::Ok) << c.what;
    EXPECT_EQ(AllLines(streamed), AllLines(whole)) << c.what;
    EXPECT_FALSE(streamed.ReadFailed()) << c.what;
    EXPECT_TRUE(streamed.FileBytes().empty()) << c.what;
  }
  // The same refusals as a whole read.
  UnicodeTextReader r;
  std::string why;
  EXPECT_EQ(r.OpenStream(folder.Path("none.txt"), &why), FileReadStatus::Missing);
  EXPECT_EQ(r.OpenStream(folder.Root(), &why), FileReadStatus::NotRegularFile);
  EXPECT_EQ(why, "a directory, not a file");
  EXPECT_FALSE(r.IsOpen());
  std::u16string_view line;
  EXPECT_FALSE(r.ReadLine(line));
}

TEST(UnicodeTextFile, WritesBomAndLittleEndianUnchanged) {
  UnicodeTextWriter w;
  w.WriteLine(u"中");
  EXPECT_EQ(w.Bytes(), std::string("\xFF\xFE\x2D\x4E\x0A\x00", 6));
}

TEST(UnicodeTextFile, CommitReplacesAtomicallyAndFailsCleanly) {
  const testing::TempDataFolder folder;
  const std::filesystem::path& dir = folder.Root();
  UnicodeTextWriter w;
  w.WriteLine(u"one");
  ASSERT_TRUE(w.Commit(dir / "f.txt"));
  UnicodeTextReader r;
  ASSERT_TRUE(r.Open(dir / "f.txt"));
  std::u16string line;
  ASSERT_TRUE(r.ReadLine(line));
  EXPECT_EQ(line, u"one");
  EXPECT_FALSE(w.Commit(dir / "missing-folder" / "f.txt"));
  // Nothing but the file itself is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace corvane
