// corvanectl set KEY=VALUE ...: changes the current profile as the main window's
// settings controls do (same fields, same dirty flags), then uploads. Every value is
// checked before anything changes; a change the window would refuse refuses the whole
// command, and nothing is sent or saved.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/TextUtil.h"
#include "cli/Cli.h"
#include "cli/CliNumbers.h"
#include "cli/UploadCliSupport.h"
#include "session/AppContext.h"
#include "settings/PollingRateTable.h"
#include "settings/ProfileTable.h"
#include "settings/SensorTables.h"
#include "settings/SettingsCommands.h"

namespace corvane::cli {
namespace {

using Apply = CommandEffect (*)(AppContext&, ProfileRecord&, int, DeviceDirtyFlags&);

constexpr auto kRelease = SliderCommit::Release;

// Keys that take one integer in a range.
struct RangeKey {
  std::string_view Name;
  int Min;
  int Max;
  Apply Run;
};

constexpr RangeKey kRangeKeys[] = {
    {"dpi.level", 0, 7, [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) { return SelectDpiLevel(p, v, d); }},
    {"liftoff", 1, 2, [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) { return SetLiftOff(p, v, d); }},
    {"debounce", 0, 255,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) { return SetKeyDebounce(p, v, kRelease, d); }},
    {"lighting.mode", 0, 7,
     [](AppContext& a, ProfileRecord& p, int v, DeviceDirtyFlags& d) { return SetLightingMode(p, a.Language, v, d); }},
    {"lighting.speed", 0, 2,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) { return SetLightingSpeed(p, v, kRelease, d); }},
    {"lighting.direction", 0, 1,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) { return SetLightingDirection(p, v, d); }},
    {"power.sleep", 1, 30,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) { return SetPowerDownTime(p, v, kRelease, d); }},
    {"power.lightoff", 1, 30,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) { return SetRgbOffTime(p, v, kRelease, d); }},
    {"power.movelight", 0, 1,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) { return SetMoveLighting(p, v != 0, d); }},
    {"motion-wakeup", 0, 1,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) { return SetMotionWakeup(p, v != 0, d); }},
    {"sensor.anglesnap", 0, 1,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) {
       return SetSensorOption(p, SensorOption::AngleSnap, v != 0, d);
     }},
    {"sensor.motionsync", 0, 1,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) {
       return SetSensorOption(p, SensorOption::MotionSync, v != 0, d);
     }},
    {"sensor.ripple", 0, 1,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) {
       return SetSensorOption(p, SensorOption::RippleControl, v != 0, d);
     }},
    {"pointer.speed", 0, 255,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) {
       return SetPointerSetting(p, PointerSetting::PointerSpeed, v, kRelease, d);
     }},
    {"pointer.doubleclick", 0, 255,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) {
       return SetPointerSetting(p, PointerSetting::DoubleClickSpeed, v, kRelease, d);
     }},
    {"pointer.scroll", 0, 255,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) {
       return SetPointerSetting(p, PointerSetting::ScrollWheelSpeed, v, kRelease, d);
     }},
    {"pointer.scrollpage", 0, 1,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) {
       return SetPointerSetting(p, PointerSetting::ScrollByPage, v, kRelease, d);
     }},
    {"pointer.accel", 0, 1,
     [](AppContext&, ProfileRecord& p, int v, DeviceDirtyFlags& d) {
       return SetPointerSetting(p, PointerSetting::Acceleration, v, kRelease, d);
     }},
};

// One parsed change: the command and its two arguments.
struct Change {
  std::string Text;  // KEY=VALUE as given, for messages
  CommandEffect (*Run)(AppContext&, ProfileRecord&, int, int, DeviceDirtyFlags&);
  int A = 0;
  int B = 0;
  Apply Simple = nullptr;
};

std::optional<int> Number(std::string_view text, int min, int max) {
  const auto v = ParseDecimalArg(text, min, max);
  if (!v) return std::nullopt;
  return static_cast<int>(*v);
}

// RRGGBB as a COLORREF (red in the low byte).
std::optional<int> Colour(std::string_view text) {
  const auto hex = ParseHexArg(text, 6);
  if (!hex) return std::nullopt;
  const unsigned rgb = static_cast<unsigned>(*hex);
  return static_cast<int>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

CommandEffect RunDpiValue(AppContext&, ProfileRecord& p, int level, int steps, DeviceDirtyFlags& d) {
  return SetDpiValue(p, level, steps & 0xFFFF, steps >> 16, d);
}
CommandEffect RunDpiEnabled(AppContext&, ProfileRecord& p, int level, int on, DeviceDirtyFlags& d) {
  return SetDpiLevelEnabled(p, level, on != 0, d);
}
CommandEffect RunDpiColour(AppContext&, ProfileRecord& p, int level, int colour, DeviceDirtyFlags& d) {
  return SetDpiLevelColour(p, level, static_cast<std::uint32_t>(colour), d);
}
CommandEffect RunLightingColour(AppContext&, ProfileRecord& p, int slot, int colour, DeviceDirtyFlags& d) {
  return SetLightingColour(p, slot, static_cast<std::uint32_t>(colour), d);
}
CommandEffect RunPolling(AppContext&, ProfileRecord& p, int index, int, DeviceDirtyFlags& d) {
  return SetPollingRate(p, index, d);
}
CommandEffect RunBrightness(AppContext&, ProfileRecord& p, int position, int, DeviceDirtyFlags& d) {
  return SetLightingBrightness(p, position, kRelease, d);
}

// dpi.K=DPI or dpi.K=XxY: both axes as the value dialog gives them, steps packed X | Y << 16.
std::optional<int> DpiSteps(const CliContext& ctx, std::string_view value, std::string& why) {
  const DpiStepTables& dpi = ctx.app->Dpi;
  const std::size_t x = value.find('x');
  const auto xDpi = Number(value.substr(0, x), 1, 1000000);
  const auto yDpi = x == std::string_view::npos ? xDpi : Number(value.substr(x + 1), 1, 1000000);
  if (!xDpi || !yDpi) {
    why = "takes a resolution in DPI, or XxY";
    return std::nullopt;
  }
  const int xs = StepOfDpi(dpi, *xDpi);
  const int ys = StepOfDpi(dpi, *yDpi);
  if (xs < 0 || ys < 0) {
    why = "has no DPI ladder for the configured sensor";
    return std::nullopt;
  }
  if (xs != ys && !dpi.SeparateXYDpi) {
    why = "needs one resolution: this sensor has no separate X and Y resolution";
    return std::nullopt;
  }
  return xs | (ys << 16);
}

// Parses one KEY=VALUE; empty with a reason when it is not a known key or value.
std::optional<Change> Parse(const CliContext& ctx, const std::string& arg, std::string& why) {
  const std::size_t eq = arg.find('=');
  if (eq == std::string::npos) {
    why = "expected KEY=VALUE";
    return std::nullopt;
  }
  const std::string_view key = std::string_view(arg).substr(0, eq);
  const std::string_view value = std::string_view(arg).substr(eq + 1);
  Change c{arg, nullptr};
  why = "has no such value";
  for (const RangeKey& k : kRangeKeys) {
    if (key != k.Name) continue;
    const auto v = Number(value, k.Min, k.Max);
    if (!v) {
      why = "takes " + std::to_string(k.Min) + " to " + std::to_string(k.Max);
      return std::nullopt;
    }
    c.Simple = k.Run;
    c.A = *v;
    return c;
  }
  if (key == "polling") {
    const auto hz = Number(value, 1, 100000);
    const auto index = hz ? PollingIndexOfHz(*hz) : std::nullopt;
    if (!index) {
      why = "takes 125, 250, 500, 1000, 2000, 4000 or 8000";
      return std::nullopt;
    }
    return Change{arg, &RunPolling, *index};
  }
  if (key == "lighting.brightness") {
    const auto pct = Number(value, 25, 100);
    if (!pct || *pct % 25 != 0) {
      why = "takes 25, 50, 75 or 100";
      return std::nullopt;
    }
    return Change{arg, &RunBrightness, *pct / 25 - 1};
  }
  // dpi.K, dpi.K.enabled, dpi.K.color, lighting.color.J
  const auto indexed = [&](std::string_view prefix, std::string_view suffix, int max) -> std::optional<int> {
    if (key.size() <= prefix.size() + suffix.size() || key.substr(0, prefix.size()) != prefix ||
        key.substr(key.size() - suffix.size()) != suffix)
      return std::nullopt;
    return Number(key.substr(prefix.size(), key.size() - prefix.size() - suffix.size()), 0, max);
  };
  if (const auto k = indexed("dpi.", ".enabled", kDpiLevelCount - 1)) {
    const auto on = Number(value, 0, 1);
    if (!on) return std::nullopt;
    return Change{arg, &RunDpiEnabled, *k, *on};
  }
  if (const auto k = indexed("dpi.", ".color", kDpiLevelCount - 1)) {
    const auto colour = Colour(value);
    if (!colour) {
      why = "takes a colour RRGGBB";
      return std::nullopt;
    }
    return Change{arg, &RunDpiColour, *k, *colour};
  }
  if (const auto j = indexed("lighting.color.", "", kLightingSlotCount - 1)) {
    const auto colour = Colour(value);
    if (!colour) {
      why = "takes a colour RRGGBB";
      return std::nullopt;
    }
    return Change{arg, &RunLightingColour, *j, *colour};
  }
  if (const auto k = indexed("dpi.", "", kDpiLevelCount - 1)) {
    const auto steps = DpiSteps(ctx, value, why);
    if (!steps) return std::nullopt;
    return Change{arg, &RunDpiValue, *k, *steps};
  }
  why = "is not a known key";
  return std::nullopt;
}

int RunSet(CliContext& ctx, const std::vector<std::string>& args) {
  if (args.empty()) return ctx.Usage("usage: set KEY=VALUE ...");
  std::vector<Change> changes;
  for (const std::string& arg : args) {
    std::string why;
    const auto c = Parse(ctx, arg, why);
    if (!c) return ctx.Usage(arg + ": " + (arg.find('=') == std::string::npos ? why : arg.substr(0, arg.find('=')) + " " + why));
    changes.push_back(*c);
  }

  int exitCode = kExitOk;
  const auto upload = UploadSession::Open(ctx, exitCode);
  if (!upload) return exitCode;
  DeviceDirtyFlags& dirty = upload->State().Dirty;
  for (const Change& c : changes) {
    ProfileRecord& p = upload->Profile();
    const CommandEffect e = c.Simple ? c.Simple(*ctx.app, p, c.A, dirty) : c.Run(*ctx.app, p, c.A, c.B, dirty);
    if (e.Refused) {
      const std::string fallback = c.Text.rfind("dpi.", 0) == 0
                                       ? c.Text + ": the last enabled DPI level cannot be switched off"
                                       : c.Text + ": refused";
      return upload->RefuseEffect(e, fallback);
    }
  }
  return upload->ApplyAndSave();
}

const CliCommandRegistrar kSet{"set", "set KEY=VALUE ...           change the current profile and send it to the mouse",
                               &RunSet};

}  // namespace
}  // namespace corvane::cli
