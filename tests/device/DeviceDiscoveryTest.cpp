#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "device/DeviceLink.h"
#include "device/FeatureTransport.h"
#include "device/PauseServices.h"
#include "support/FakeHidBackend.h"

namespace corvane {
namespace {

using testing::FakeHidBackend;
using testing::FakeOp;
constexpr DeviceRole W = DeviceRole::Wired;
constexpr DeviceRole R = DeviceRole::Receiver;
constexpr DeviceRole B = DeviceRole::Bluetooth;

struct Fixture {
  FakeHidBackend backend;
  RecordingPause pause;
  DeviceLink link{backend, pause};

  Fixture() {
    for (const DeviceRole r : {W, R, B}) backend.AddRole(r, static_cast<std::uint16_t>(0x0200 + static_cast<int>(r)));
    SetPresent({});
  }
  void SetPresent(std::set<DeviceRole> roles) {
    for (auto& f : backend.interfaces) {
      const auto role = RoleOfProduct(f.info.vendor, f.info.product);
      if (role) f.present = roles.count(*role) > 0;
    }
  }
};

TEST(ClassifyInterface, WhichInterfaceIsWhich) {
  struct Case {
    const char* what;
    std::uint16_t vendor, product, input, feature;
    bool openable;
    bool isInput, isFeature;
  };
  const Case cases[] = {
      {"status stream", kVendorId, 0x6674, 32, 0, true, true, false},
      {"command interface", kVendorId, 0x6674, 9, 32, true, false, true},
      {"both lengths 32 counts as status only", kVendorId, 0x6674, 32, 32, true, true, false},
      {"neither length", kVendorId, 0x6674, 8, 8, true, false, false},
      {"another vendor", 0x046D, 0x6674, 32, 32, true, false, false},
      {"another product", kVendorId, 0x1234, 32, 32, true, false, false},
      {"cannot be opened", kVendorId, 0x6674, 9, 32, false, false, false},
  };
  for (const auto& c : cases) {
    FakeHidBackend backend;
    RecordingPause pause;
    auto& f = backend.Add("/dev/hidraw7", c.product, c.input, c.feature, 0x0123);
    f.info.vendor = c.vendor;
    f.openable = c.openable;
    DeviceLink link(backend, pause);
    ScanOutcome outcome;
    link.ClassifyInterface(7, f.info, outcome);
    const RoleLink& r = link.Role(W);
    EXPECT_EQ(r.InputInterfacePath == "/dev/hidraw7", c.isInput) << c.what;
    EXPECT_EQ(r.InputInterfaceIndex == 7, c.isInput) << c.what;
    EXPECT_EQ(r.Present, c.isFeature ? 1 : 0) << c.what;
    EXPECT_EQ(r.FeatureInterfacePath == "/dev/hidraw7", c.isFeature) << c.what;
    EXPECT_EQ(link.WiredVersion, c.isFeature ? 0x0123 : 0) << c.what;
    EXPECT_EQ(outcome.Unopenable.size(), c.openable ? 0u : 1u) << c.what;
  }
}

TEST(ScanDevices, FindsEveryRoleAndOpensItsCommandInterface) {
  Fixture f;
  // Many foreign interfaces first: every one is examined, none caps the scan.
  for (int i = 0; i < 200; ++i) {
    auto& other = f.backend.Add("/dev/other" + std::to_string(i), 0x1111, 32, 32);
    other.info.vendor = 0x046D;
  }
  std::rotate(f.backend.interfaces.begin(), f.backend.interfaces.begin() + 3 * 2, f.backend.interfaces.end());
  f.SetPresent({W, R, B});
  const ScanOutcome out = f.link.ScanDevices();
  EXPECT_EQ(f.link.AnyPresent, 1);
  EXPECT_EQ(f.link.WiredVersion, 0x0200);
  for (const DeviceRole r : {W, R, B}) {
    const RoleLink& role = f.link.Role(r);
    EXPECT_EQ(role.Present, 1);
    EXPECT_EQ(role.PreviouslyPresent, 1);
    EXPECT_TRUE(role.FeatureHandle);
    EXPECT_EQ(role.FeatureInterfacePath, FakeHidBackend::CommandPath(r));
    EXPECT_EQ(role.InputInterfacePath, "/dev/" + std::string(RoleInfo(r).name) + "-in");
    EXPECT_GE(role.FeatureInterfaceIndex, 200);
    EXPECT_TRUE(out.StartReader[static_cast<std::size_t>(r)]);
  }
  EXPECT_EQ(f.link.Role(R).FeatureVersion, 0x0201);
}

TEST(ScanDevices, ActiveConnectionDecisions) {
  struct Step {
    const char* what;
    std::set<DeviceRole> present;
    std::optional<DeviceRole> image;
    PollingHeaderChange header;
    bool queried;
    bool bluetoothLeft;
  };
  const Step steps[] = {
      {"cable and receiver: the cable is active", {W, R}, W, PollingHeaderChange::Enable, true, false},
      {"nothing new: no query", {W, R}, W, PollingHeaderChange::Enable, false, false},
      {"cable unplugged: the receiver is known already", {R}, R, PollingHeaderChange::Enable, false, false},
      {"Bluetooth appears: polling rate disabled", {R, B}, B, PollingHeaderChange::Disable, true, false},
      {"Bluetooth stays: header left alone", {R, B}, B, PollingHeaderChange::None, false, false},
      {"Bluetooth leaves", {R}, R, PollingHeaderChange::Enable, false, true},
      {"cable returns", {W, R}, W, PollingHeaderChange::Enable, true, false},
      {"nothing left", {}, std::nullopt, PollingHeaderChange::None, false, false},
      {"receiver alone", {R}, R, PollingHeaderChange::Enable, true, false},
  };
  Fixture f;
  for (const auto& s : steps) {
    f.SetPresent(s.present);
    f.backend.ops.clear();
    const ScanOutcome out = f.link.ScanDevices();
    EXPECT_EQ(out.StatusImage, s.image) << s.what;
    EXPECT_EQ(out.PollingHeader, s.header) << s.what;
    EXPECT_EQ(out.LinkStateQueried, s.queried) << s.what;
    EXPECT_EQ(f.backend.OpsOf(FakeOp::Get).size(), s.queried ? 1u : 0u) << s.what;
    EXPECT_EQ(out.StartBluetoothLeftTimer, s.bluetoothLeft) << s.what;
    EXPECT_EQ(out.StartBatteryTimer, !s.present.empty()) << s.what;
    EXPECT_EQ(out.StartConnectionTimer, !s.present.empty()) << s.what;
    for (const DeviceRole r : {W, R, B}) {
      const bool present = s.present.count(r) > 0;
      EXPECT_EQ(out.StartReader[static_cast<std::size_t>(r)], present) << s.what;
      EXPECT_EQ(static_cast<bool>(f.link.Role(r).FeatureHandle), present) << s.what;
      EXPECT_EQ(f.link.Role(r).FeatureInterfacePath.empty(), !present) << s.what;
    }
  }
}

TEST(ScanDevices, BluetoothLeftTimerAsksTheReceiverAgain) {
  Fixture f;
  f.SetPresent({R, B});
  f.link.ScanDevices();
  f.SetPresent({R});
  EXPECT_TRUE(f.link.ScanDevices().StartBluetoothLeftTimer);
  f.backend.Command(R).linkFlag = 0;
  f.link.LinkUp = 1;
  const ScanOutcome out = f.link.OnBluetoothLeftTimer();
  EXPECT_TRUE(out.LinkStateQueried);
  EXPECT_TRUE(out.LinkState.Valid);
  EXPECT_FALSE(out.LinkState.Linked);
  EXPECT_EQ(f.link.LinkUp.load(), 0);
}

TEST(ScanDevices, ReopensAHandleWhoseNodeWasReplaced) {
  Fixture f;
  f.SetPresent({W});
  f.link.ScanDevices();
  // Unplugged and plugged in again between two scans: the command interface is a new node.
  f.backend.Command(W).info.path = "/dev/wired-cmd-2";
  f.link.ScanDevices();
  EXPECT_EQ(f.link.Role(W).FeatureHandlePath, "/dev/wired-cmd-2");
  f.backend.ops.clear();
  SendFeatureCommand(f.link, 0x05, kSinglePacket, std::vector<std::uint8_t>{1});
  ASSERT_FALSE(f.backend.ops.empty());
  EXPECT_EQ(f.backend.ops[0].path, "/dev/wired-cmd-2");
}

// Between two scans the cable mouse's command node changed and no removal event said so.
// The scan alone must drop or reopen the dead handle; a live one is kept as it is.
TEST(ScanDevices, NoticesADeadHandleWithoutARemovalEvent) {
  struct Case {
    const char* what;
    void (*change)(FakeHidBackend&);
    bool present;        // the role after the second scan
    bool reopened;       // a new handle was opened for it
    SendResult command;  // a command sent after the second scan
  };
  const Case cases[] = {
      {"nothing happened", [](FakeHidBackend&) {}, true, false, SendResult::Acknowledged},
      {"node replaced under the same path", [](FakeHidBackend& b) { ++b.Command(W).generation; }, true, true,
       SendResult::Acknowledged},
      {"node vanished", [](FakeHidBackend& b) { b.Unplug(W); }, false, false, SendResult::NoDevice},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.SetPresent({W});
    f.link.ScanDevices();
    ASSERT_TRUE(f.link.Role(W).FeatureHandle) << c.what;
    c.change(f.backend);
    const int opensBefore = f.backend.opens;
    f.link.ScanDevices();
    EXPECT_EQ(f.link.Role(W).Present != 0, c.present) << c.what;
    EXPECT_EQ(f.link.Role(W).FeatureHandle != nullptr, c.present) << c.what;
    if (c.present) {
      EXPECT_TRUE(f.link.Role(W).FeatureHandle->Connected()) << c.what;
    }
    // Every scan probes each interface once; a reopened handle is one open more.
    const int probes = c.present ? 2 : 0;
    EXPECT_EQ(f.backend.opens - opensBefore, probes + (c.reopened ? 1 : 0)) << c.what;
    EXPECT_EQ(SendFeatureCommand(f.link, 0x05, kSinglePacket, std::vector<std::uint8_t>{1}), c.command) << c.what;
  }
}

TEST(OnDeviceChange, ArrivalAndRemoval) {
  struct Step {
    const char* what;
    HotplugEvent event;
    std::set<DeviceRole> present;  // after the event
    int expectReenumeration;       // set before the event
    bool scanned;
    bool firstDevice;
    bool quit;
    std::optional<DeviceRole> image;
  };
  const Step steps[] = {
      {"removal of another device while none is present", HotplugEvent::Removal, {}, 0, false, false, false, {}},
      {"first arrival", HotplugEvent::Arrival, {R}, 0, true, true, false, R},
      {"cable arrives beside the receiver", HotplugEvent::Arrival, {W, R}, 0, true, false, false, W},
      {"cable unplugged, receiver stays", HotplugEvent::Removal, {R}, 0, true, false, false, R},
      {"all three present", HotplugEvent::Arrival, {W, R, B}, 0, true, false, false, W},
      {"an arrival with all three present does not rescan", HotplugEvent::Arrival, {W, R, B}, 0, false, false, false,
       {}},
      {"firmware restart: the disappearance was expected", HotplugEvent::Removal, {}, 1, true, false, false, {}},
      {"back after the restart", HotplugEvent::Arrival, {W}, 0, true, false, false, W},
      {"the last device unplugged", HotplugEvent::Removal, {}, 0, true, false, true, {}},
  };
  Fixture f;
  EXPECT_EQ(f.link.NoDeviceYet, 1);
  for (const auto& s : steps) {
    f.SetPresent(s.present);
    f.link.ExpectReenumeration = s.expectReenumeration;
    const DeviceChangeOutcome out = f.link.OnDeviceChange(s.event);
    EXPECT_EQ(out.Scan.has_value(), s.scanned) << s.what;
    if (out.Scan) {
      EXPECT_EQ(out.Scan->StatusImage, s.image) << s.what;
    }
    EXPECT_EQ(out.FirstDevice, s.firstDevice) << s.what;
    EXPECT_EQ(out.ShowCurrentProfile, s.event == HotplugEvent::Arrival) << s.what;
    EXPECT_EQ(out.Quit, s.quit) << s.what;
    // The expected disappearance is used up by the removal that leaves nothing behind.
    if (s.event == HotplugEvent::Removal && s.present.empty() && s.scanned) {
      EXPECT_EQ(f.link.ExpectReenumeration.load(), 0) << s.what;
    }
  }
  EXPECT_EQ(f.link.NoDeviceYet, 1);
}

TEST(DeviceLink, MouseReachable) {
  struct Case {
    std::set<DeviceRole> present;
    int linkUp;
    bool reachable;
  };
  const Case cases[] = {
      {{W}, 0, true}, {{B}, 0, true}, {{R}, 1, true}, {{R}, 0, false}, {{}, 1, false},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.SetPresent(c.present);
    f.link.ScanDevices();
    f.link.LinkUp = c.linkUp;
    EXPECT_EQ(f.link.MouseReachable(), c.reachable) << c.present.size() << " " << c.linkUp;
  }
}

TEST(DeviceLink, OneReaderPerRole) {
  Fixture f;
  EXPECT_TRUE(f.link.TryClaimReader(W));
  EXPECT_FALSE(f.link.TryClaimReader(W));
  EXPECT_TRUE(f.link.TryClaimReader(R));
  f.link.ReleaseReader(W);
  EXPECT_TRUE(f.link.TryClaimReader(W));
  f.link.RegisterForDeviceNotifications();
  EXPECT_TRUE(f.link.TryClaimReader(R));
}

}  // namespace
}  // namespace corvane
