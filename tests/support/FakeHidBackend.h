#pragma once
// A scripted HID stack for the device-link tests: interfaces are added by hand, feature
// reads answer from a per-interface queue of replies (then from a default), and every
// write and read is logged. A hook after each logged operation can unplug a device in
// the middle of an exchange.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/DeviceConstants.h"
#include "device/DeviceRole.h"
#include "device/HidBackend.h"
#include "support/HexBytes.h"

namespace corvane::testing {


// A 32-byte report: the given leading bytes, the rest zeros.
inline Bytes Report(std::initializer_list<std::uint8_t> head) {
  Bytes b(kReportLength, 0);
  std::copy(head.begin(), head.end(), b.begin());
  return b;
}

inline Bytes LinkReply(std::uint8_t flag) {
  return Report({kReportLinkState, kLinkStateSignature[0], kLinkStateSignature[1], kLinkStateSignature[2],
                 kLinkStateSignature[3], flag});
}

struct FakeInterface {
  HidInterfaceInfo info;
  bool present = true;
  bool openable = true;
  int successfulOpens = -1;      // opens that succeed before it refuses (-1: no limit)
  bool rejectWrites = false;
  bool acknowledges = true;      // default answer to a report-9 read
  std::uint8_t linkFlag = 1;     // default answer to a report-8 read
  std::deque<std::optional<Bytes>> replies;  // scripted feature-read replies; nullopt = the read fails
  std::deque<Bytes> input;                   // queued input reports
  // Raised when the node is replaced under the same path without a hotplug event;
  // handles opened before then are dead.
  int generation = 0;
};

struct FakeOp {
  enum Kind { Set, Get, Read } kind;
  std::string path;
  Bytes bytes;  // written, or returned (empty for a failed read)
};

class FakeHidBackend final : public HidBackend {
 public:
  std::vector<FakeInterface> interfaces;
  std::vector<FakeOp> ops;
  std::vector<Bytes> getRequests;  // the buffers as they were handed to GetFeature
  std::function<void(FakeHidBackend&, const FakeOp&)> afterOp;
  int opens = 0;

  FakeInterface& Add(std::string path, std::uint16_t product, std::uint16_t inputLength,
                     std::uint16_t featureLength, std::uint16_t version = 0x0100) {
    FakeInterface f;
    f.info = {std::move(path), kVendorId, product, version, inputLength, featureLength};
    interfaces.push_back(std::move(f));
    return interfaces.back();
  }

  // A role as the mouse presents it: a status interface and a command interface, named
  // "/dev/<role>-in" and "/dev/<role>-cmd".
  void AddRole(DeviceRole role, std::uint16_t version = 0x0100) {
    const std::string name(RoleInfo(role).name);
    Add("/dev/" + name + "-in", RoleInfo(role).productId, 32, 0, version);
    Add("/dev/" + name + "-cmd", RoleInfo(role).productId, 9, 32, version);
  }
  static std::string CommandPath(DeviceRole role) { return "/dev/" + std::string(RoleInfo(role).name) + "-cmd"; }

  FakeInterface* Find(const std::string& path) {
    for (auto& f : interfaces)
      if (f.info.path == path) return &f;
    return nullptr;
  }
  FakeInterface& Command(DeviceRole role) { return *Find(CommandPath(role)); }

  // Unplugs every interface of a role.
  void Unplug(DeviceRole role) {
    for (auto& f : interfaces)
      if (f.info.product == RoleInfo(role).productId) f.present = false;
  }

  std::vector<FakeOp> OpsOf(FakeOp::Kind kind) const {
    std::vector<FakeOp> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out), [&](const FakeOp& o) { return o.kind == kind; });
    return out;
  }

  std::vector<HidInterfaceInfo> Enumerate() override {
    std::vector<HidInterfaceInfo> list;
    for (const auto& f : interfaces)
      if (f.present) list.push_back(f.info);
    return list;
  }

  std::unique_ptr<HidHandle> Open(const std::string& path) override;

  bool StartHotplugWatch() override { return true; }
  bool PollHotplug(int, HotplugEvent&, std::string&) override { return false; }

  void Log(FakeOp op) {
    ops.push_back(op);
    if (afterOp) afterOp(*this, ops.back());
  }
};

class FakeHandle final : public HidHandle {
 public:
  FakeHandle(FakeHidBackend& backend, std::string path, int generation)
      : backend_(backend), path_(std::move(path)), generation_(generation) {}

  bool SetFeature(std::span<const std::uint8_t> report) override {
    FakeInterface* f = Live();
    if (!f) return false;
    backend_.Log({FakeOp::Set, path_, Bytes(report.begin(), report.end())});
    return !f->rejectWrites;
  }

  bool GetFeature(std::span<std::uint8_t> report) override {
    FakeInterface* f = Live();
    if (!f) return false;
    std::optional<Bytes> reply;
    if (!f->replies.empty()) {
      reply = f->replies.front();
      f->replies.pop_front();
    } else if (report[0] == kReportCommand) {
      reply = Report({kReportCommand, static_cast<std::uint8_t>(f->acknowledges ? 1 : 0)});
    } else if (report[0] == kReportLinkState) {
      reply = LinkReply(f->linkFlag);
    }
    backend_.getRequests.push_back(Bytes(report.begin(), report.end()));
    if (!reply) {
      backend_.Log({FakeOp::Get, path_, {}});
      return false;
    }
    std::fill(report.begin(), report.end(), 0);
    std::copy_n(reply->begin(), std::min(reply->size(), report.size()), report.begin());
    backend_.Log({FakeOp::Get, path_, Bytes(report.begin(), report.end())});
    return true;
  }

  HidReadResult Read(std::span<std::uint8_t> report, int, std::size_t& bytesRead) override {
    bytesRead = 0;
    FakeInterface* f = Live();
    if (!f) return HidReadResult::Gone;
    if (f->input.empty()) return HidReadResult::Timeout;
    const Bytes r = f->input.front();
    f->input.pop_front();
    bytesRead = std::min(r.size(), report.size());
    std::copy_n(r.begin(), bytesRead, report.begin());
    backend_.Log({FakeOp::Read, path_, r});
    return HidReadResult::Ok;
  }

  void Close() override { closed_ = true; }
  bool Connected() override { return Live() != nullptr; }

 private:
  FakeInterface* Live() {
    if (closed_) return nullptr;
    FakeInterface* f = backend_.Find(path_);
    return f && f->present && f->generation == generation_ ? f : nullptr;
  }

  FakeHidBackend& backend_;
  std::string path_;
  int generation_;
  bool closed_ = false;
};

inline std::unique_ptr<HidHandle> FakeHidBackend::Open(const std::string& path) {
  ++opens;
  FakeInterface* f = Find(path);
  if (!f || !f->present || !f->openable || f->successfulOpens == 0) return nullptr;
  if (f->successfulOpens > 0) --f->successfulOpens;
  return std::make_unique<FakeHandle>(*this, path, f->generation);
}

}  // namespace corvane::testing
