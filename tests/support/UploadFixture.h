#pragma once
// A wired mouse on the scripted HID stack, an application context with default profiles
// for sensor 0x3212 (whose device code of a step is the step itself), and the shadow
// rebuilt from the current profile, as the window has it after start-up.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "device/DeviceLink.h"
#include "device/PauseServices.h"
#include "session/AppContext.h"
#include "session/ApplyToDevice.h"
#include "settings/SensorTables.h"
#include "support/FakeHidBackend.h"
#include "support/HexBytes.h"

namespace corvane::testing {

// A frame as upper-case hex without its trailing zeros.
inline std::string HexLine(const Bytes& bytes) {
  std::size_t n = bytes.size();
  while (n > 5 && bytes[n - 1] == 0) --n;
  return HexText(std::span(bytes).first(n));
}

class UploadFixture : public ::testing::Test {
 protected:
  static constexpr std::uint16_t kSensor = 0x3212;

  void SetUp() override {
    backend.interfaces.clear();
    backend.afterOp = nullptr;
    state = DeviceUploadState{};
    backend.AddRole(DeviceRole::Wired);
    link = std::make_unique<DeviceLink>(backend, pause);
    link->ScanDevices();
    ctx.Dpi.SensorId = kSensor;
    BuildDpiStepTables(ctx.Dpi);
    ctx.Config.ConfigDefaults();
    for (int p = 0; p < kProfileCount; ++p) ResetProfileToDefaults(ctx.Profiles[p], p, ctx.Language, kSensor);
    RebuildDeviceShadow(ctx, state);
    state.ConfigSavePending = 0;
    Forget();
  }

  // Forgets what the device saw so far.
  void Forget() {
    backend.ops.clear();
    pause.Clear();
  }

  ProfileRecord& Profile() { return CurrentProfile(ctx); }

  ApplyResult Apply() { return ApplyToDevice(ctx, *link, state); }

  // The command frames written since the last Forget, in order.
  std::vector<std::string> Frames() const {
    std::vector<std::string> out;
    for (const FakeOp& op : backend.ops)
      if (op.kind == FakeOp::Set) out.push_back(HexLine(op.bytes));
    return out;
  }

  FakeHidBackend backend;
  RecordingPause pause;
  std::unique_ptr<DeviceLink> link;
  AppContext ctx;
  DeviceUploadState state;
};

}  // namespace corvane::testing
