// corvanectl show [--profile N]: a profile's settings (the current profile by default),
// under the key names that "set" takes, plus the profile's name and its buttons.
#include <cstdio>

#include "cli/Cli.h"
#include "cli/KeyValueOutput.h"
#include "cli/ProfileCliSupport.h"
#include "settings/PollingRateTable.h"
#include "settings/ProfileTable.h"
#include "settings/SensorTables.h"

namespace corvane::cli {
namespace {

std::string HexBytes(const std::array<std::uint8_t, 3>& v) {
  char text[8];
  std::snprintf(text, sizeof text, "%.2X%.2X%.2X", v[0], v[1], v[2]);
  return text;
}

// COLORREF as RRGGBB.
std::string HexColour(std::uint32_t c) {
  return HexBytes({static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
                   static_cast<std::uint8_t>((c >> 16) & 0xFF)});
}

struct NamedSetting {
  const char* Key;
  int Index;
};

// Settings shown as the number the device and the main window take from them.
constexpr NamedSetting kNamedSettings[] = {
    {"liftoff", kSettingLiftDetectionHeight},
    {"debounce", kSettingKeyDebounce},
    {"power.sleep", kSettingPowerDownTime},
    {"power.lightoff", kSettingRgbOffTime},
    {"power.movelight", kSettingMoveLightingOnOffMode},
    {"motion-wakeup", kSettingMotionWakeup},
    {"sensor.anglesnap", kSettingAngleSnap},
    {"sensor.motionsync", kSettingMotionSync},
    {"sensor.ripple", kSettingRippleControl},
    {"pointer.speed", kSettingPointerSpeed},
    {"pointer.doubleclick", kSettingDoubleClickSpeed},
    {"pointer.scroll", kSettingScrollWheelSpeed},
    {"pointer.scrollpage", kSettingScrollWheelPageEnable},
    {"pointer.accel", kSettingAccelerationEnable},
};

void AddDpi(KeyValueOutput& out, const ProfileRecord& r, const DpiStepTables& dpi) {
  out.Number("dpi.level", r.CurrentDPILevel);
  for (int k = 0; k < kDpiLevelCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    const std::string key = "dpi." + std::to_string(k);
    out.Text(key,
             std::to_string(DpiOfStep(dpi, r.XYSettingX[i])) + "x" + std::to_string(DpiOfStep(dpi, r.XYSettingY[i])));
    out.Number(key + ".enabled", r.DpiLevelEnabled(k) ? 1 : 0);
    out.Text(key + ".color", HexColour(r.DPILevelIndication[i]));
  }
}

void AddLighting(KeyValueOutput& out, const ProfileRecord& r) {
  const int mode = r.Lighting1ModeValue[0];
  out.Number("lighting.mode", mode);
  out.Text("lighting.name", r.Lighting1Name);
  // Per-mode values exist for modes 0..9 only.
  if (mode >= kLightingModeCount) return;
  const auto m = static_cast<std::size_t>(mode);
  out.Number("lighting.speed", r.Lighting1Speed[m]);
  out.Number("lighting.brightness", (r.Lighting1Brightness[m] + 1) * 25);
  out.Number("lighting.direction", r.Lighting1Direction[m]);
  for (std::size_t s = 0; s < kLightingSlotCount; ++s) {
    if (r.Lighting1ColorSelected[m][s]) {
      out.Text("lighting.color." + std::to_string(s), HexColour(r.Lighting1FixedColor[m][s]));
    }
  }
}

void AddButtons(KeyValueOutput& out, const ProfileRecord& r) {
  for (int b = 0; b < kButtonCount; ++b) {
    const ButtonEntry& e = *ButtonAt(r, b);
    const std::string key = "button." + std::to_string(b);
    out.Text(key + ".name", e.Name);
    out.Text(key + ".value", HexBytes(e.Value));
    out.Text(key + ".url", e.URL);
    out.Text(key + ".macro", e.Value[0] == kButtonFamilyMacro ? e.Macro.MacroItemName : std::u16string());
  }
}

int RunShow(CliContext& ctx, const std::vector<std::string>& args) {
  int p = ctx.app->CurrentProfileIndex;
  if (!args.empty()) {
    std::string value;
    if (args.size() == 2 && args[0] == "--profile") {
      value = args[1];
    } else if (args.size() == 1 && args[0].rfind("--profile=", 0) == 0) {
      value = args[0].substr(10);
    } else {
      return ctx.Usage("usage: show [--profile N]");
    }
    const auto index = ParseProfileIndex(value);
    if (!index) return ctx.Usage("profile must be 0 to 4, not \"" + value + "\"");
    p = *index;
  }
  const ProfileRecord& r = ctx.app->Profiles[p];

  KeyValueOutput out;
  out.Number("profile", p);
  out.Text("name", r.ProfileName());
  AddDpi(out, r, ctx.app->Dpi);
  out.Number("polling", PollingRateOf(r.PollingRateValue[0]).Hz);
  AddLighting(out, r);
  for (const NamedSetting& s : kNamedSettings) out.Number(s.Key, r.SettingNumber(s.Index));
  AddButtons(out, r);
  out.Print(ctx.out, ctx.options.json);
  return kExitOk;
}

const CliCommandRegistrar kShow{
    "show", "show [--profile N]          print a profile's settings (the current one by default)", &RunShow};

}  // namespace
}  // namespace corvane::cli
