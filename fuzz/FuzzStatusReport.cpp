// Status reports (input report 7) as the status readers hand them to the decoder, which
// applies them to the current profile. The input is a run of reports, each with the role
// that sent it.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>

#include "FuzzScratch.h"
#include "device/DeviceLink.h"
#include "device/DeviceUploadState.h"
#include "device/Launcher.h"
#include "device/PauseServices.h"
#include "device/sim/SimBackend.h"
#include "session/StartupLoad.h"
#include "session/StatusDecoder.h"

namespace {

class NoLauncher final : public corvane::Launcher {
 public:
  void Open(const std::u16string&) override {}
};

struct Program {
  corvane::fuzz::FuzzScratch scratch;
  corvane::AppContext ctx;
  corvane::ProfileTable loaded;
  corvane::SimBackend sim{{{corvane::DeviceRole::Wired, corvane::DeviceRole::Receiver, corvane::DeviceRole::Bluetooth}, {}}};
  corvane::RecordingPause pause;
  corvane::DeviceLink link{sim, pause};
  NoLauncher launcher;

  Program() {
    ctx.DataFolder = scratch.Root();
    corvane::RunStartupLoad(ctx);
    loaded = ctx.Profiles;
    link.RegisterForDeviceNotifications();
    link.ScanDevices();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane;
  static Program program;
  program.ctx.Profiles = program.loaded;
  program.pause.Clear();
  DeviceUploadState upload;
  StatusDecoder decoder(program.ctx, program.link, upload, &program.launcher);
  FuzzedDataProvider input(data, size);
  while (input.remaining_bytes() > 0) {
    const auto role = static_cast<DeviceRole>(input.ConsumeIntegralInRange<int>(0, static_cast<int>(kRoleCount) - 1));
    const std::vector<std::uint8_t> report = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 40));
    decoder.Decode(role, report);
  }
  return 0;
}
