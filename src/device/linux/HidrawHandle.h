#pragma once
// One open hidraw node: feature reports through the HIDIOCSFEATURE/HIDIOCGFEATURE
// ioctls, input reports through read(). Byte 0 of every buffer is the report id, as
// hidraw and HidD_* both have it for a device whose reports are numbered.
#include <atomic>
#include <memory>
#include <string>

#include "device/HidBackend.h"

namespace corvane {

class HidrawHandle final : public HidHandle {
 public:
  // Opens the node read-write; nullptr when it cannot be opened.
  static std::unique_ptr<HidrawHandle> Open(const std::string& path);
  // Takes ownership of an open file descriptor (a hidraw node, or in tests any
  // descriptor that delivers one report per read); nullptr, with fd closed, when the
  // wake-up event cannot be created.
  static std::unique_ptr<HidrawHandle> Adopt(int fd);

  ~HidrawHandle() override;
  HidrawHandle(const HidrawHandle&) = delete;
  HidrawHandle& operator=(const HidrawHandle&) = delete;

  bool SetFeature(std::span<const std::uint8_t> report) override;
  bool GetFeature(std::span<std::uint8_t> report) override;
  HidReadResult Read(std::span<std::uint8_t> report, int timeoutMs, std::size_t& bytesRead) override;
  // Wakes a Read blocked in another thread and makes every later call fail; the node
  // itself is released when the handle is destroyed, so a reader still inside poll()
  // never sees its descriptor number reused.
  void Close() override;
  // HIDIOCGRAWINFO fails with ENODEV once the device behind the node has gone.
  bool Connected() override;

 private:
  HidrawHandle(int fd, int wakeFd) : fd_(fd), wakeFd_(wakeFd) {}

  int fd_;
  int wakeFd_;  // eventfd, signalled by Close
  std::atomic<bool> closed_{false};
};

}  // namespace corvane
