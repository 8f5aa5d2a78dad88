// What the mouse answers on its command interface: acknowledgements of command frames,
// the link-state reply, and the firmware report's replies through the checksum query and
// a whole firmware check. The input supplies, in turn, whether each write is taken and
// the bytes of each read (or that the read fails).
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>

#include "device/DeviceConstants.h"
#include "device/DeviceLink.h"
#include "device/FeatureTransport.h"
#include "device/FirmwareImages.h"
#include "device/FirmwareUpdate.h"
#include "device/PauseServices.h"

namespace {

using namespace corvane;

constexpr const char* kStatusPath = "/fuzz/wired-in";
constexpr const char* kCommandPath = "/fuzz/wired-cmd";

class ReplyHandle final : public HidHandle {
 public:
  explicit ReplyHandle(FuzzedDataProvider& input) : input_(input) {}
  bool SetFeature(std::span<const std::uint8_t>) override { return input_.ConsumeBool(); }
  bool GetFeature(std::span<std::uint8_t> report) override {
    if (!input_.ConsumeBool()) return false;
    const std::vector<std::uint8_t> bytes = input_.ConsumeBytes<std::uint8_t>(report.size());
    std::copy(bytes.begin(), bytes.end(), report.begin());
    return true;
  }
  HidReadResult Read(std::span<std::uint8_t>, int, std::size_t& bytesRead) override {
    bytesRead = 0;
    return HidReadResult::Timeout;
  }
  void Close() override {}
  bool Connected() override { return true; }

 private:
  FuzzedDataProvider& input_;
};

// The cable mouse alone, with a firmware the update supports.
class ReplyBackend final : public HidBackend {
 public:
  explicit ReplyBackend(FuzzedDataProvider& input) : input_(input) {}
  std::vector<HidInterfaceInfo> Enumerate() override {
    const std::uint16_t product = RoleInfo(DeviceRole::Wired).productId;
    return {{kStatusPath, kVendorId, product, 0x0201, 32, 0}, {kCommandPath, kVendorId, product, 0x0201, 9, 32}};
  }
  std::unique_ptr<HidHandle> Open(const std::string&) override { return std::make_unique<ReplyHandle>(input_); }
  bool StartHotplugWatch() override { return true; }
  bool PollHotplug(int, HotplugEvent&, std::string&) override { return false; }

 private:
  FuzzedDataProvider& input_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const LoadedImages images = LoadFirmwareImages(ApplicationImage(), LoaderImage());
  static const LanguageTable language;
  FuzzedDataProvider input(data, size);
  ReplyBackend backend(input);
  RecordingPause pause;
  DeviceLink link(backend, pause);
  link.RegisterForDeviceNotifications();
  link.ScanDevices();
  QueryLinkState(link);
  const std::array<std::uint8_t, 3> payload{1, 2, 3};
  SendFeatureCommand(link, FeatureCommand::CmdFactoryReset, kSinglePacket, payload);
  QueryDeviceChecksum(link);
  FirmwareObserver observer;
  RunFirmwareCheck(link, language, images, observer);
  return 0;
}
