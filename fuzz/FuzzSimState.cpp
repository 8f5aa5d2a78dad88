// The simulated devices' state file (--sim-state). A state read from any file is saved
// as a file that reads back into the same state, and the devices run from it: buttons,
// status, the feature reports, a firmware read.
#include <array>
#include <cstdlib>

#include "FuzzScratch.h"
#include "device/DeviceConstants.h"
#include "device/FirmwareReport.h"
#include "device/sim/SimDevice.h"
#include "device/sim/SimStateFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane;
  static const SimState kFactory;
  static fuzz::FuzzScratch scratch;
  const std::filesystem::path file = scratch.Fresh() / "sim-state.txt";
  fuzz::WriteBytes(file, fuzz::AsBytes(data, size));
  SimState state;
  if (LoadSimState(file, state) != SimStateLoad::Loaded) return 0;

  SimState reread = kFactory;
  if (!ParseSimStateText(SimStateText(state), reread) || !(reread == state)) std::abort();

  constexpr std::array kRoles{DeviceRole::Wired, DeviceRole::Receiver, DeviceRole::Bluetooth};
  state.faults = SimFaults{};
  SimDevice device(kRoles, state);
  device.PressDpiButton();
  device.PressLightingButton();
  for (std::size_t b = 0; b < 7; ++b) device.PressButton(b);
  device.PressQuickLaunch(1);
  device.AdvanceClock(40000);
  for (const auto& r : kDeviceRoles) {
    std::array<std::uint8_t, kReportLength> report{};
    for (const std::uint8_t id : {kReportLinkState, kReportCommand}) {
      report.fill(0);
      report[0] = id;
      device.GetFeature(r.role, report);
    }
  }
  FirmwareReport header = FirmwareReadRequest(FirmwareFlash::kRunningHeader, 16);
  device.SetFeature(DeviceRole::Wired, header.bytes);
  device.GetFeature(DeviceRole::Wired, header.bytes);
  device.TakeEvents();
  return 0;
}
