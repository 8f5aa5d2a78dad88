#pragma once
// The decoded status reports of corvanectl status and monitor: each report is decoded
// as the program decodes it (the current profile follows the mouse, quick-launch
// targets are opened) and printed as one line, or one JSON object.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "cli/Cli.h"
#include "cli/CliDeviceSession.h"
#include "platform/XdgLauncher.h"
#include "device/DeviceUploadState.h"
#include "session/StatusDecoder.h"

namespace corvane::cli {

class StatusCliDecoder {
 public:
  StatusCliDecoder(CliContext& ctx, DeviceSession& session);

  // The report as a line ("report wired dpi-level=2 ..."), or as a JSON object with
  // --json; nothing for a report that is ignored (another report id, cut short).
  std::optional<std::string> Decode(DeviceRole role, std::span<const std::uint8_t> report);
  // Writes the save the decoded reports made pending; the exit status of that.
  int Finish();

 private:
  CliContext& ctx_;
  DeviceUploadState state_;
  XdgLauncher launcher_;
  StatusDecoder decoder_;
};

// The line and JSON forms of a decoded report.
std::string StatusLine(const StatusEvents& ev, const StatusValues& values);
std::string StatusJson(const StatusEvents& ev, const StatusValues& values);

}  // namespace corvane::cli
