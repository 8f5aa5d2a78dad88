#include "session/StatusDecoder.h"

#include "device/DeviceLink.h"
#include "device/DeviceUploadState.h"
#include "device/Launcher.h"
#include "device/StatusReport.h"
#include "lang/LanguageEntries.h"
#include "session/AppContext.h"
#include "session/ApplyToDevice.h"
#include "settings/ConfigTable.h"
#include "settings/PollingRateTable.h"
#include "settings/ProfileTable.h"

namespace corvane {

namespace {

constexpr int kMinReportedTime = 1;
constexpr int kMaxReportedTime = 30;
constexpr int kMinReportedSpeed = 1;
constexpr int kMaxReportedSpeed = 3;
// Modes whose name is a language text of their own; any other mode is named "off".
constexpr int kFirstNamedMode = 1;
constexpr int kLastNamedMode = 7;
// The per-mode tables have room for these modes only.
constexpr int kLastMode = kLightingModeCount - 1;
// Colour and speed the mouse reports belong to these modes' entries.
constexpr std::size_t kSolidMode = 6;
constexpr std::size_t kCycleMode = 3;
// Speed reports set the entries of modes 0..7; modes 8 and 9 keep their own.
constexpr std::size_t kModesTakingSpeed = 8;
constexpr int kConnIndicatorMouseAway = 2;

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

}  // namespace

StatusEvents StatusDecoder::Decode(DeviceRole role, std::span<const std::uint8_t> r) {
  StatusEvents ev;
  const std::optional<StatusFields> fields = ParseStatusReport(role, r);
  if (!fields) return ev;
  ev.Fields.Role = role;
  ev.Fields.Link = fields->Link;

  if (role == DeviceRole::Receiver) {
    const bool othersPresent = link_.Role(DeviceRole::Wired).Present || link_.Role(DeviceRole::Bluetooth).Present;
    const bool linked = fields->Link != 0;
    if (!othersPresent) {
      const bool linkUp = link_.LinkUp != 0;
      if (linked != linkUp || (!linked && !linkUp && ConnIndicatorState != kConnIndicatorMouseAway))
        ev.StartConnectionTimer = true;
    }
    if (!linked) {
      link_.LinkUp = 0;
      if (!othersPresent) {
        values_.BatteryLevel = 0;
        values_.ChargeState = 0;
      }
      ev.LinkDown = true;
      return ev;
    }
    link_.LinkUp = 1;
  }
  ev.Fields = *fields;
  ApplyFields(ev);
  return ev;
}

void StatusDecoder::ApplyFields(StatusEvents& ev) {
  ev.Decoded = true;
  const StatusFields& f = ev.Fields;
  ProfileRecord& p = CurrentProfile(ctx_);
  bool changed = false;

  // DPI level. A level past the eight the profile has is not taken.
  if (f.DpiLevel != values_.LastDeviceDpiLevel && f.DpiLevel < kDpiLevelCount) {
    values_.LastDeviceDpiLevel = f.DpiLevel;
    p.CurrentDPILevel = static_cast<std::uint8_t>(f.DpiLevel);
    changed = true;
  }

  // Battery and charging: a full battery reads 100 whatever the level byte says.
  values_.BatteryLevel = f.Battery;
  if (f.Charge == kChargeCharging) {
    values_.ChargeState = kChargeCharging;
  } else if (f.Charge == kChargeFull) {
    values_.ChargeState = kChargeFull;
    values_.BatteryLevel = 100;
  } else {
    values_.ChargeState = 0;
  }

  // Polling rate, decoded for the role.
  if (f.PollingIndex != p.PollingRateValue[0]) {
    p.PollingRateValue = {static_cast<std::uint8_t>(f.PollingIndex), 0, 0};
    p.SetPollingRateName(PollingRateOf(f.PollingIndex).ReportName);
    changed = true;
  }

  // Lighting mode. A mode past the per-mode tables is not taken.
  if (f.LightingMode != p.Lighting1ModeValue[0] && f.LightingMode <= kLastMode) {
    const bool named = InRange(f.LightingMode, kFirstNamedMode, kLastNamedMode);
    p.SetLighting1Name(ctx_.Language.Text(named ? kTextLightingFirst + f.LightingMode - 1 : kTextLightingOff));
    p.Lighting1ModeValue = {static_cast<std::uint8_t>(f.LightingMode), 0, 0};
    changed = true;
  }

  // Quick launch: a request held over several reports launches once; 0 re-arms it.
  int& last = values_.LastQuickLaunch[static_cast<std::size_t>(f.Role)];
  if (f.QuickLaunch == 0) {
    last = 0;
  } else if (f.QuickLaunch != last) {
    last = f.QuickLaunch;
    if (const ButtonEntry* b = ButtonAt(p, f.QuickLaunch - 1)) {
      ev.LaunchedButton = f.QuickLaunch - 1;
      ev.LaunchedTarget = b->URL;
      if (launcher_ && !b->URL.empty()) launcher_->Open(b->URL);
    }
  }

  // Sensor model: another model re-defaults every profile's DPI levels (and saves them).
  values_.SensorLetter = f.SensorLetter;
  if (const auto id = SensorIdOfLetter(static_cast<std::uint8_t>(f.SensorLetter)); id && *id != ctx_.Dpi.SensorId) {
    OnSensorChanged(ctx_, *id);
    ev.SensorChanged = true;
    ev.RefreshView = true;
  }

  // Move-lighting on or off.
  const int move = p.GetMoveLightingOnOffMode();
  if ((f.MoveLighting == 0 && move == 1) || (f.MoveLighting != 0 && move == 0)) {
    p.SetMoveLightingOnOffMode(f.MoveLighting != 0 ? 1 : 0);
    changed = true;
  }

  // Power-down and lighting-off times, each only when in range.
  if (InRange(f.PowerDownTime, kMinReportedTime, kMaxReportedTime) && f.PowerDownTime != p.GetPowerDownTime()) {
    p.SetPowerDownTime(f.PowerDownTime);
    changed = true;
  }
  if (InRange(f.LightingOffTime, kMinReportedTime, kMaxReportedTime) && f.LightingOffTime != p.GetRgbOffTime()) {
    p.SetRgbOffTime(f.LightingOffTime);
    changed = true;
  }

  // Colour: the one-colour effect's colour, shared with the first slot of the cycle.
  if (f.Colour != p.Lighting1FixedColor[kSolidMode][0]) {
    p.Lighting1FixedColor[kSolidMode][0] = f.Colour;
    p.Lighting1FixedColor[kCycleMode][0] = f.Colour;
    changed = true;
  }

  // Speed level 1..3, stored as 0..2.
  if (InRange(f.Speed, kMinReportedSpeed, kMaxReportedSpeed) && f.Speed - 1 != p.Lighting1Speed[kCycleMode]) {
    for (std::size_t m = 0; m < kModesTakingSpeed; ++m) p.Lighting1Speed[m] = static_cast<std::uint8_t>(f.Speed - 1);
    changed = true;
  }

  if (changed) {
    ev.Changed = true;
    ev.ShowOsd = true;
    ev.RefreshView = true;
    upload_.ConfigSavePending = 1;
    // The mouse holds these values already: nothing is to be sent back.
    RebuildDeviceShadow(ctx_, upload_);
  }
}

}  // namespace corvane
