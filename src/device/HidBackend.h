#pragma once
// What the device link needs of a HID stack: the Linux hidraw backend and the simulated
// mouse both implement this. Buffers carry the report id in byte 0, as HidD_* do.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace corvane {

struct HidInterfaceInfo {
  std::string path;
  std::uint16_t vendor = 0;
  std::uint16_t product = 0;
  std::uint16_t version = 0;
  std::uint16_t inputReportLength = 0;    // largest input report + 1 for the report id (0 = none)
  std::uint16_t featureReportLength = 0;  // largest feature report + 1 for the report id (0 = none)
};

enum class HidReadResult { Ok, Timeout, Gone };

class HidHandle {
 public:
  virtual ~HidHandle() = default;
  virtual bool SetFeature(std::span<const std::uint8_t> report) = 0;
  // report[0] holds the report id on entry; on success the whole buffer is filled.
  virtual bool GetFeature(std::span<std::uint8_t> report) = 0;
  // Blocks for one input report up to timeoutMs (-1 = forever); bytesRead gets its length.
  virtual HidReadResult Read(std::span<std::uint8_t> report, int timeoutMs, std::size_t& bytesRead) = 0;
  // Makes a Read blocked in another thread return (Gone) so its thread can end.
  virtual void Close() = 0;
  // False once the device behind the handle has left the bus, even when a new device
  // has since appeared under the same path (the handle then still speaks to the old,
  // dead one). Asks nothing of the device itself.
  virtual bool Connected() = 0;
};

enum class HotplugEvent { Arrival, Removal };

class HidBackend {
 public:
  virtual ~HidBackend() = default;
  virtual std::vector<HidInterfaceInfo> Enumerate() = 0;
  virtual std::unique_ptr<HidHandle> Open(const std::string& path) = 0;
  // Hotplug: the watch delivers arrival and removal of interfaces. PollHotplug waits up
  // to timeoutMs for one event; WatchDescriptor is a file descriptor a GUI event loop can
  // watch (-1 when the backend has none and must be polled).
  virtual bool StartHotplugWatch() = 0;
  virtual bool PollHotplug(int timeoutMs, HotplugEvent& event, std::string& path) = 0;
  virtual int WatchDescriptor() const { return -1; }
};

}  // namespace corvane
