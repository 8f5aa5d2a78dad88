#include "cli/StatusCliSupport.h"

#include <cstdio>

#include "base/TextUtil.h"
#include "cli/KeyValueOutput.h"
#include "cli/UploadCliSupport.h"
#include "device/DeviceConstants.h"
#include "device/StatusReport.h"
#include "settings/PollingRateTable.h"

namespace corvane::cli {

namespace {

std::string SensorText(int letter) {
  const auto id = SensorIdOfLetter(static_cast<std::uint8_t>(letter));
  char text[16];
  if (id)
    std::snprintf(text, sizeof text, "0x%04X", *id);
  else
    std::snprintf(text, sizeof text, "unknown-%02X", letter & 0xFF);
  return text;
}

std::string ColourText(std::uint32_t colourRef) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", colourRef & 0xFF, (colourRef >> 8) & 0xFF,
                (colourRef >> 16) & 0xFF);
  return text;
}

// One decoded field.
struct Field {
  const char* Line;  // key of the line form
  const char* Json;  // key of the JSON form
  std::string Value;
  bool Number;
};

std::vector<Field> Fields(const StatusEvents& ev, const StatusValues& values) {
  const StatusFields& f = ev.Fields;
  std::vector<Field> out;
  if (f.Role == DeviceRole::Receiver) out.push_back({"link", "link", std::to_string(f.Link), true});
  if (ev.LinkDown) return out;
  out.push_back({"dpi-level", "dpiLevel", std::to_string(f.DpiLevel), true});
  out.push_back({"polling", "pollingHz", std::to_string(PollingRateOf(f.PollingIndex).Hz), true});
  out.push_back({"battery", "battery", std::to_string(values.BatteryLevel.load()), true});
  out.push_back({"charge", "charge", std::to_string(values.ChargeState.load()), true});
  out.push_back({"lighting-mode", "lightingMode", std::to_string(f.LightingMode), true});
  out.push_back({"quick-launch", "quickLaunch", std::to_string(f.QuickLaunch), true});
  out.push_back({"sensor", "sensor", SensorText(f.SensorLetter), false});
  out.push_back({"move-lighting", "moveLighting", std::to_string(f.MoveLighting), true});
  out.push_back({"sleep", "sleep", std::to_string(f.PowerDownTime), true});
  out.push_back({"lightoff", "lightoff", std::to_string(f.LightingOffTime), true});
  out.push_back({"color", "color", ColourText(f.Colour), false});
  out.push_back({"speed", "speed", std::to_string(f.Speed), true});
  return out;
}

}  // namespace

std::string StatusLine(const StatusEvents& ev, const StatusValues& values) {
  std::string line = "report " + std::string(RoleInfo(ev.Fields.Role).name);
  for (const Field& f : Fields(ev, values)) line += " " + std::string(f.Line) + "=" + f.Value;
  if (ev.Changed) line += " changed";
  if (ev.SensorChanged) line += " sensor-changed";
  if (ev.LaunchedButton >= 0) line += " launch=" + Utf8(ev.LaunchedTarget);
  return line;
}

std::string StatusJson(const StatusEvents& ev, const StatusValues& values) {
  std::string json = "{\"role\":" + JsonString(RoleInfo(ev.Fields.Role).name);
  for (const Field& f : Fields(ev, values))
    json += ",\"" + std::string(f.Json) + "\":" + (f.Number ? f.Value : JsonString(f.Value));
  json += std::string(",\"changed\":") + (ev.Changed ? "true" : "false");
  json += std::string(",\"sensorChanged\":") + (ev.SensorChanged ? "true" : "false");
  if (ev.LaunchedButton >= 0) json += ",\"launch\":" + JsonString(Utf8(ev.LaunchedTarget));
  return json + "}";
}

StatusCliDecoder::StatusCliDecoder(CliContext& ctx, DeviceSession& session)
    : ctx_(ctx), decoder_(*ctx.app, session.Link(), state_, &launcher_) {}

std::optional<std::string> StatusCliDecoder::Decode(DeviceRole role, std::span<const std::uint8_t> report) {
  const StatusEvents ev = decoder_.Decode(role, report);
  if (!ev.Decoded && !ev.LinkDown) return std::nullopt;
  return ctx_.options.json ? StatusJson(ev, decoder_.Values()) : StatusLine(ev, decoder_.Values());
}

int StatusCliDecoder::Finish() { return WritePendingSave(ctx_, state_); }

namespace {

// A device that never stops sending cannot hold one pass for ever.
constexpr int kMaxReadsPerPass = 4096;

}  // namespace

QueuedStatusInputs::QueuedStatusInputs(DeviceSession& session) {
  DeviceLink& link = session.Link();
  for (const auto& info : kDeviceRoles) {
    const RoleLink& r = link.Role(info.role);
    if (!r.Present || r.InputInterfacePath.empty()) continue;
    if (auto h = session.Backend().Open(r.InputInterfacePath)) inputs_.push_back({info.role, std::move(h)});
  }
}

bool QueuedStatusInputs::DrainOnce(const Take& take, const std::function<bool()>& enough) {
  bool any = false;
  int reads = 0;
  for (auto it = inputs_.begin(); it != inputs_.end() && !(enough && enough()) && reads++ < kMaxReadsPerPass;) {
    std::array<std::uint8_t, kReportLength> buffer{};
    std::size_t n = 0;
    const HidReadResult result = it->handle->Read(buffer, 0, n);
    if (result == HidReadResult::Gone) {
      lost_.push_back(it->role);
      it = inputs_.erase(it);
      continue;
    }
    if (result == HidReadResult::Ok) {
      any = true;
      take(it->role, std::span(buffer).first(std::min(n, buffer.size())));
      continue;  // the same interface again until it is empty
    }
    ++it;
  }
  return any;
}

}  // namespace corvane::cli
