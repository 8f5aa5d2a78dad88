#pragma once
// A cable mouse on the simulated bus with the device link open on it, a pause that
// records and moves the simulated clock on, language texts that name their own number
// ("#295"), and an observer that keeps everything the update shows.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "device/DeviceConstants.h"
#include "device/DeviceLink.h"
#include "device/FirmwareImages.h"
#include "device/FirmwareObserver.h"
#include "device/FirmwareUpdate.h"
#include "device/PauseServices.h"
#include "device/sim/SimBackend.h"

namespace corvane::testing {

struct RecordingFirmwareObserver : FirmwareObserver {
  std::vector<FirmwareStatus> statuses;
  std::vector<FirmwareProgress> progress;
  std::vector<std::u16string> checksums;
  int reconnects = 0;

  void DeviceChecksum(const std::u16string& text) override { checksums.push_back(text); }
  void Status(const FirmwareStatus& s) override { statuses.push_back(s); }
  void Progress(const FirmwareProgress& p) override { progress.push_back(p); }
  void ReconnectWired(DeviceLink& link) override {
    ++reconnects;
    FirmwareObserver::ReconnectWired(link);
  }

  std::u16string LastStatus() const { return statuses.empty() ? u"" : statuses.back().text; }
  bool Showed(const std::u16string& text) const {
    for (const auto& s : statuses)
      if (s.text == text) return true;
    return false;
  }
};

// Passes everything to the simulated bus; read replies of report 0xBF for one flash
// address can be made to come back with their first data byte altered (the next
// tamperTimes of them; -1 = all).
class TamperingBackend final : public HidBackend {
 public:
  explicit TamperingBackend(HidBackend& inner) : inner_(inner) {}
  std::optional<std::uint32_t> tamperAddress;
  int tamperTimes = -1;

  std::vector<HidInterfaceInfo> Enumerate() override { return inner_.Enumerate(); }
  std::unique_ptr<HidHandle> Open(const std::string& path) override {
    auto h = inner_.Open(path);
    return h ? std::make_unique<Handle>(*this, std::move(h)) : nullptr;
  }
  bool StartHotplugWatch() override { return inner_.StartHotplugWatch(); }
  bool PollHotplug(int timeoutMs, HotplugEvent& event, std::string& path) override {
    return inner_.PollHotplug(timeoutMs, event, path);
  }

 private:
  class Handle final : public HidHandle {
   public:
    Handle(TamperingBackend& owner, std::unique_ptr<HidHandle> inner) : owner_(owner), inner_(std::move(inner)) {}
    bool SetFeature(std::span<const std::uint8_t> r) override { return inner_->SetFeature(r); }
    bool GetFeature(std::span<std::uint8_t> r) override {
      if (!inner_->GetFeature(r)) return false;
      if (r.size() > 8 && r[0] == kReportFirmware && owner_.tamperAddress &&
          ((std::uint32_t{r[5]} << 16) | (std::uint32_t{r[6]} << 8) | r[7]) == *owner_.tamperAddress &&
          owner_.tamperTimes != 0) {
        r[8] ^= 0x80;
        if (owner_.tamperTimes > 0) --owner_.tamperTimes;
      }
      return true;
    }
    HidReadResult Read(std::span<std::uint8_t> r, int t, std::size_t& n) override { return inner_->Read(r, t, n); }
    void Close() override { inner_->Close(); }
    bool Connected() override { return inner_->Connected(); }

   private:
    TamperingBackend& owner_;
    std::unique_ptr<HidHandle> inner_;
  };

  HidBackend& inner_;
};

inline LanguageTable NumberedLanguage() {
  LanguageTable t;
  for (int i = 0; i < LanguageTable::kEntries; ++i) t.Texts[static_cast<std::size_t>(i)] = u"#" + FormatDecimal(i);
  return t;
}

inline std::u16string LanguageText(int n) { return u"#" + FormatDecimal(n); }

class FirmwareFixture : public ::testing::Test {
 protected:
  FirmwareFixture() : sim(SimOptions{{DeviceRole::Wired}, ""}), wire(sim), clock(sim, &recorded), link(wire, clock) {}

  // Prepares the device, then finds it as the program does at start.
  void Connect() {
    link.ScanDevices();
    recorded.Clear();
    sim.Access([](SimDevice& d) { d.ClearExchanges(); });
  }

  FirmwareResult Run() {
    Connect();
    return RunFirmwareCheck(link, language, images, observer);
  }

  SimState State() const { return sim.State(); }
  std::vector<SimExchange> Exchanges() {
    std::vector<SimExchange> out;
    sim.Access([&](SimDevice& d) { out.assign(d.Exchanges().begin(), d.Exchanges().end()); });
    return out;
  }
  std::uint32_t CarriedChecksum() const { return images.ApplicationHeader.CS(); }

  SimBackend sim;
  TamperingBackend wire;
  RecordingPause recorded;
  SimClockPause clock;
  DeviceLink link;
  LanguageTable language = NumberedLanguage();
  LoadedImages images = LoadFirmwareImages(ApplicationImage(), LoaderImage());
  RecordingFirmwareObserver observer;
};

}  // namespace corvane::testing
