#include "device/TracingBackend.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

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
  {
    std::ofstream(path) << "earlier run\n";
    auto sink = TraceSink::AppendTo(path);
    ASSERT_TRUE(sink);
    sink->Line("sleep 60");
  }
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "earlier run\nsleep 60\n");
  EXPECT_FALSE(TraceSink::AppendTo(path.parent_path() / "no-such-folder" / "trace.txt"));
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
