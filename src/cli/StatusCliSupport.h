#pragma once
// The decoded status reports of corvanectl status and monitor: each report is decoded
// as the program decodes it (the current profile follows the mouse, quick-launch
// targets are opened) and printed as one line, or one JSON object.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/CliDeviceSession.h"
#include "device/DeviceUploadState.h"
#include "platform/XdgLauncher.h"
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

// The status interfaces of the present connections read without waiting, for virtual time
// (the simulated mouse, --no-wait): what the devices have queued is taken, and time passes
// through the pause service in between. Real time uses the program's reader threads.
class QueuedStatusInputs {
 public:
  explicit QueuedStatusInputs(DeviceSession& session);

  using Take = std::function<void(DeviceRole, std::span<const std::uint8_t>)>;
  // One pass over the interfaces in role order, each read until it has nothing left,
  // ending early once enough() says so. An interface whose device went away is dropped
  // and its role recorded. True when something was read.
  bool DrainOnce(const Take& take, const std::function<bool()>& enough = {});
  bool Empty() const { return inputs_.empty(); }
  const std::vector<DeviceRole>& Lost() const { return lost_; }

 private:
  struct Input {
    DeviceRole role;
    std::unique_ptr<HidHandle> handle;
  };
  std::vector<Input> inputs_;
  std::vector<DeviceRole> lost_;
};

// The line and JSON forms of a decoded report.
std::string StatusLine(const StatusEvents& ev, const StatusValues& values);
std::string StatusJson(const StatusEvents& ev, const StatusValues& values);

}  // namespace corvane::cli
