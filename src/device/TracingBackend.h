#pragma once
// A HidBackend (and Pause) that passes everything on to another one and writes the
// trace lines of corvanectl --trace: "set ROLE BYTES" for every feature write, "get ROLE
// BYTES" or "get ROLE fail" for every feature read, "input ROLE BYTES" for every status
// report read, and "sleep MS" for every pause. ROLE is the role name of the interface's
// product id ("wired", "receiver", "bluetooth").
#include <map>
#include <mutex>
#include <string>

#include "device/HidBackend.h"
#include "device/Pause.h"
#include "device/TraceSink.h"

namespace corvane {

class TracingBackend final : public HidBackend {
 public:
  TracingBackend(HidBackend& inner, TraceSink& sink) : inner_(inner), sink_(sink) {}

  std::vector<HidInterfaceInfo> Enumerate() override;
  std::unique_ptr<HidHandle> Open(const std::string& path) override;
  bool StartHotplugWatch() override { return inner_.StartHotplugWatch(); }
  bool PollHotplug(int timeoutMs, HotplugEvent& event, std::string& path) override {
    return inner_.PollHotplug(timeoutMs, event, path);
  }
  int WatchDescriptor() const override { return inner_.WatchDescriptor(); }

 private:
  std::string RoleNameOf(const std::string& path);

  HidBackend& inner_;
  TraceSink& sink_;
  std::mutex mutex_;
  std::map<std::string, std::string> roleOfPath_;  // from the enumerations seen so far
};

class TracingPause final : public Pause {
 public:
  TracingPause(Pause& inner, TraceSink& sink) : inner_(inner), sink_(sink) {}
  void Sleep(std::uint32_t ms) override;

 private:
  Pause& inner_;
  TraceSink& sink_;
};

}  // namespace corvane
