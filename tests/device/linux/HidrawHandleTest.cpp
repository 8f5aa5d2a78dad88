#include "device/linux/HidrawHandle.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <thread>

namespace corvane {
namespace {

// A hidraw node hands out one report per read; a sequenced-packet socket pair does the
// same, so the handle's poll and read path runs here without a device. The feature
// ioctls need a real node and are not exercised.
struct ReportPipe {
  std::unique_ptr<HidrawHandle> handle;
  int device = -1;  // the far end: what the "device" sends

  ReportPipe() {
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds) != 0) return;
    handle = HidrawHandle::Adopt(fds[0]);
    device = fds[1];
  }
  ~ReportPipe() {
    if (device >= 0) ::close(device);
  }
  void Send(std::initializer_list<std::uint8_t> bytes) {
    const std::vector<std::uint8_t> v(bytes);
    ASSERT_EQ(::write(device, v.data(), v.size()), static_cast<ssize_t>(v.size()));
  }
  void Unplug() {
    ::close(device);
    device = -1;
  }
};

TEST(HidrawHandle, ReadsOneReportPerCall) {
  ReportPipe pipe;
  ASSERT_TRUE(pipe.handle);
  std::array<std::uint8_t, 32> buf{};
  std::size_t n = 99;
  EXPECT_EQ(pipe.handle->Read(buf, 0, n), HidReadResult::Timeout);
  EXPECT_EQ(n, 0u);
  pipe.Send({7, 1, 2, 3});
  pipe.Send({7, 9});
  EXPECT_EQ(pipe.handle->Read(buf, 100, n), HidReadResult::Ok);
  EXPECT_EQ(n, 4u);
  EXPECT_EQ(buf[0], 7);
  EXPECT_EQ(buf[3], 3);
  EXPECT_EQ(pipe.handle->Read(buf, -1, n), HidReadResult::Ok);
  EXPECT_EQ(n, 2u);
  EXPECT_EQ(buf[1], 9);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(pipe.handle->Read(buf, 30, n), HidReadResult::Timeout);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
}

TEST(HidrawHandle, UnplugEndsTheRead) {
  ReportPipe pipe;
  ASSERT_TRUE(pipe.handle);
  std::array<std::uint8_t, 32> buf{};
  std::size_t n = 0;
  std::thread unplug([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    pipe.Unplug();
  });
  EXPECT_EQ(pipe.handle->Read(buf, -1, n), HidReadResult::Gone);
  unplug.join();
  EXPECT_EQ(pipe.handle->Read(buf, -1, n), HidReadResult::Gone);
}

TEST(HidrawHandle, CloseWakesABlockedReaderAndStopsEverything) {
  ReportPipe pipe;
  ASSERT_TRUE(pipe.handle);
  HidReadResult result = HidReadResult::Ok;
  std::thread reader([&] {
    std::array<std::uint8_t, 32> buf{};
    std::size_t n = 0;
    result = pipe.handle->Read(buf, -1, n);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  pipe.handle->Close();
  reader.join();
  EXPECT_EQ(result, HidReadResult::Gone);

  pipe.Send({7, 1});  // queued data does not revive a closed handle
  std::array<std::uint8_t, 32> buf{9};
  std::size_t n = 0;
  EXPECT_EQ(pipe.handle->Read(buf, 1000, n), HidReadResult::Gone);
  EXPECT_FALSE(pipe.handle->SetFeature(buf));
  EXPECT_FALSE(pipe.handle->GetFeature(buf));
  pipe.handle->Close();  // twice is harmless
}

TEST(HidrawHandle, FeatureCallsFailOnANonHidDescriptor) {
  ReportPipe pipe;
  ASSERT_TRUE(pipe.handle);
  std::array<std::uint8_t, 32> buf{9};
  EXPECT_FALSE(pipe.handle->SetFeature(buf));
  EXPECT_FALSE(pipe.handle->GetFeature(buf));
  EXPECT_FALSE(pipe.handle->SetFeature({}));
  EXPECT_EQ(buf[0], 9);
}

TEST(HidrawHandle, OpenFailsCleanly) {
  EXPECT_EQ(HidrawHandle::Open("/nonexistent/hidraw0"), nullptr);
  EXPECT_EQ(HidrawHandle::Adopt(-1), nullptr);
}

}  // namespace
}  // namespace corvane
