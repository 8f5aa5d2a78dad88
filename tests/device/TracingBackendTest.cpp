#include "device/TracingBackend.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

#include "device/FeatureTransport.h"
#include "device/PauseServices.h"
#include "support/FakeHidBackend.h"
#include "support/HexBytes.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

using testing::FakeHidBackend;
using testing::HexBytes;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

TEST(FormatTraceBytes, UpperCaseHexSeparatedBySingleSpaces) {
  EXPECT_EQ(FormatTraceBytes(HexBytes("09 0f a0 00 ff")), "09 0F A0 00 FF");
  EXPECT_EQ(FormatTraceBytes({}), "");
}

TEST(TracingBackend, TraceOfAnExchange) {
  FakeHidBackend fake;
  fake.AddRole(DeviceRole::Receiver);
  fake.Command(DeviceRole::Receiver).replies = {testing::LinkReply(1), testing::Report({9, 0}), std::nullopt};
  fake.Find("/dev/receiver-in")->input.push_back(HexBytes("07 01 02 01 64"));
  std::ostringstream out;
  TraceSink sink(out);
  TracingBackend backend(fake, sink);
  RecordingPause recorded;
  TracingPause pause(recorded, sink);
  DeviceLink link(backend, pause);

  link.ScanDevices();  // queries the link state of the receiver, which has just appeared
  link.Sequence = FrameSequence();
  SendFeatureCommand(link, FeatureCommand::CmdFactoryReset, kSinglePacket, HexBytes("FF"));
  auto input = backend.Open("/dev/receiver-in");
  std::array<std::uint8_t, 32> buffer{};
  std::size_t n = 0;
  ASSERT_EQ(input->Read(buffer, 0, n), HidReadResult::Ok);
  EXPECT_EQ(input->Read(buffer, 0, n), HidReadResult::Timeout);

  const std::string zeros26 = " 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00";
  const std::string zeros30 = " 00 00 00 00" + zeros26;
  const std::vector<std::string> expected = {
      "get receiver 08 43 52 56 4E 01" + zeros26,
      "set receiver 09 0F 01 01 19 FF" + zeros26,
      "sleep 60",
      "get receiver 09 00" + zeros30,
      "sleep 60",
      "set receiver 09 0F 02 01 1A FF" + zeros26,
      "sleep 60",
      "get receiver fail",
      "sleep 60",
      "set receiver 09 0F 03 01 1B FF" + zeros26,
      "sleep 60",
      "get receiver 09 01" + zeros30,
      "input receiver 07 01 02 01 64",
  };
  EXPECT_EQ(Lines(out.str()), expected);
  EXPECT_EQ(recorded.Pauses().size(), 5u);
}

TEST(TraceSink, AppendsToTheFile) {
  const testing::TempDataFolder folder;
  const auto path = folder.Path("trace.txt");
  std::string error;
  {
    std::ofstream(path) << "earlier run\n";
    auto sink = TraceSink::AppendTo(path, error);
    ASSERT_TRUE(sink) << error;
    sink->Line("sleep 60");
  }
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "earlier run\nsleep 60\n");
  const auto missing = path.parent_path() / "no-such-folder" / "trace.txt";
  EXPECT_FALSE(TraceSink::AppendTo(missing, error));
  EXPECT_EQ(error, missing.string() + ": no such file or directory");
}

// A regular file never falls behind for long: however fast the lines come, none is left
// out while the writer thread waits for its turn.
TEST(TraceSink, AFileGetsEveryLineHoweverFastTheyCome) {
  const testing::TempDataFolder folder;
  const auto path = folder.Path("trace.txt");
  std::string error;
  std::vector<std::string> reports;
  const std::string line(99, 'x');
  const std::size_t count = 3 * TraceSink::kBufferLimit / 100;
  {
    auto sink = TraceSink::AppendTo(path, error, [&](const std::string& why) { reports.push_back(why); });
    ASSERT_TRUE(sink) << error;
    for (std::size_t i = 0; i < count; ++i) sink->Line(line);
  }
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str().size(), count * 100);
  EXPECT_TRUE(reports.empty());
}

// The trace as a named pipe: whatever its reader does, the device work (Line) and the
// end of the run go on, and the trouble is told once.
class TracePipe : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0); }
  void TearDown() override {
    if (reader_ >= 0) ::close(reader_);
  }
  void OpenReader() { reader_ = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); }
  std::unique_ptr<TraceSink> OpenSink() {
    std::string error;
    auto sink = TraceSink::AppendTo(path_, error, [this](const std::string& why) {
      const std::lock_guard lock(mutex_);
      reports_.push_back(why);
    });
    EXPECT_TRUE(sink) << error;
    return sink;
  }
  std::vector<std::string> Reports() {
    const std::lock_guard lock(mutex_);
    return reports_;
  }
  // More than the pipe and the sink's buffer together hold.
  static void Flood(TraceSink& sink) {
    const std::string line(99, 'x');
    for (std::size_t i = 0; i < 3 * TraceSink::kBufferLimit / 100; ++i) sink.Line(line);
  }

  testing::TempDataFolder folder_;
  std::filesystem::path path_ = folder_.Path("trace.fifo");
  int reader_ = -1;
  std::mutex mutex_;
  std::vector<std::string> reports_;
};

TEST_F(TracePipe, WithoutAReaderIsRefusedAtOnce) {
  std::string error;
  EXPECT_FALSE(TraceSink::AppendTo(path_, error));
  EXPECT_EQ(error, path_.string() + ": no program reads this pipe");
}

TEST_F(TracePipe, AReaderThatNeverReadsLosesLinesButHoldsNothingUp) {
  OpenReader();
  const auto start = std::chrono::steady_clock::now();
  {
    auto sink = OpenSink();
    ASSERT_TRUE(sink);
    Flood(*sink);
  }
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_LT(took, std::chrono::milliseconds(TraceSink::kDrainMs + 4000));
  const auto reports = Reports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], path_.string() + ": the reader does not keep up; lines are left out of the trace");
}

TEST_F(TracePipe, AReaderThatGoesAwayIsToldOnceAndTheProgramLives) {
  OpenReader();
  auto sink = OpenSink();
  ASSERT_TRUE(sink);
  sink->Line("set receiver 09");
  ::close(reader_);
  reader_ = -1;
  for (int i = 0; i < 200 && Reports().empty(); ++i) {
    sink->Line("sleep 60");
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  sink->Line("sleep 60");
  sink.reset();
  EXPECT_EQ(Reports(), std::vector<std::string>{path_.string() + ": the reader closed the pipe; the trace stops here"});
}

TEST_F(TracePipe, AReaderThatKeepsUpGetsEveryLine) {
  OpenReader();
  {
    auto sink = OpenSink();
    ASSERT_TRUE(sink);
    for (int i = 0; i < 100; ++i) sink->Line("line " + std::to_string(i));
    // Read while the sink is still open, as a live reader does.
    std::string got;
    char buffer[4096];
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (got.size() < 100 * 6 && std::chrono::steady_clock::now() < until) {
      const ssize_t n = ::read(reader_, buffer, sizeof buffer);
      if (n > 0) got.append(buffer, static_cast<std::size_t>(n));
      else std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const auto lines = Lines(got);
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines.front(), "line 0");
    EXPECT_EQ(lines.back(), "line 99");
  }
  EXPECT_TRUE(Reports().empty());
}

TEST(ObservedPause, TellsTheObserverThenPassesOn) {
  RecordingPause inner;
  std::vector<std::uint32_t> seen;
  ObservedPause pause(inner, [&](std::uint32_t ms) { seen.push_back(ms); });
  pause.Sleep(60);
  pause.Sleep(120);
  EXPECT_EQ(seen, (std::vector<std::uint32_t>{60, 120}));
  EXPECT_EQ(inner.Pauses(), seen);
  EXPECT_EQ(inner.TotalMs(), 180u);
}

}  // namespace
}  // namespace corvane
