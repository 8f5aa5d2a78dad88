// corvanectl status [--wait MS]: the link state, then the status reports the mouse sends
// within MS milliseconds (default 300), decoded as the program decodes them (so the
// current profile follows the mouse, and that change is saved before the end).
#include <chrono>
#include <ostream>
#include <span>
#include <vector>

#include "cli/Cli.h"
#include "cli/CliDeviceSession.h"
#include "cli/CliNumbers.h"
#include "cli/StatusCliSupport.h"
#include "device/DeviceConstants.h"
#include "device/StatusReaders.h"

namespace corvane::cli {
namespace {

constexpr int kDefaultWaitMs = 300;
constexpr long kMaxWaitMs = 24L * 60 * 60 * 1000;

struct RawReport {
  DeviceRole role;
  std::vector<std::uint8_t> bytes;
};

struct Collected {
  std::vector<RawReport> reports;  // in arrival order
  std::vector<DeviceRole> lost;    // connections that went away meanwhile
};

// Virtual time (simulated devices, --no-wait): take what is queued, let the wait pass
// through the pause service, take what came meanwhile.
Collected CollectQueued(DeviceSession& session, int waitMs) {
  Collected c;
  QueuedStatusInputs inputs(session);
  const auto take = [&c](DeviceRole role, std::span<const std::uint8_t> bytes) {
    c.reports.push_back({role, {bytes.begin(), bytes.end()}});
  };
  inputs.DrainOnce(take);
  if (waitMs > 0) session.GetPause().Sleep(static_cast<std::uint32_t>(waitMs));
  inputs.DrainOnce(take);
  c.lost = inputs.Lost();
  return c;
}

// Real time: the program's reader threads, for the wait.
Collected CollectWithReaders(DeviceSession& session, int waitMs) {
  using Clock = std::chrono::steady_clock;
  Collected c;
  DeviceLink& link = session.Link();
  StatusReportQueue queue;
  StatusReaders readers(session.Backend(), queue);
  readers.StartAll(link, session.FirstScan());
  // A reader also ends when it is told to stop: only an end before that is a lost device.
  const auto take = [&](bool stopped) {
    for (const RawStatusReport& r : queue.TakeAll()) {
      if (r.Ended) {
        if (!stopped) c.lost.push_back(r.Role);
        readers.OnEnded(link, r);
      } else {
        c.reports.push_back({r.Role, {r.Bytes.begin(), r.Bytes.begin() + static_cast<long>(r.Length)}});
      }
    }
  };
  const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
  const auto msLeft = [&] {
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
  };
  for (int left = waitMs; left > 0 && readers.AnyRunning(); left = msLeft()) {
    queue.WaitFor(left);
    take(false);
  }
  readers.Stop();
  take(true);
  return c;
}

const char* LinkText(const ScanOutcome& scan, const DeviceLink& link) {
  if (scan.LinkStateQueried && scan.LinkState.Valid) return scan.LinkState.Linked ? "up" : "down";
  return link.LinkUp ? "up (no reply)" : "down (no reply)";
}

int RunStatus(CliContext& ctx, const std::vector<std::string>& args) {
  long waitMs = kDefaultWaitMs;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--wait" && i + 1 < args.size()) {
      const auto v = ParseDecimalArg(args[++i]);
      if (!v) return ctx.Usage("--wait takes a number of milliseconds");
      waitMs = *v;
      if (waitMs > kMaxWaitMs) return ctx.Usage("--wait is at most one day");
    } else {
      return ctx.Usage("usage: status [--wait MS]");
    }
  }
  int exitCode = kExitOk;
  const auto session = OpenDeviceSession(ctx, exitCode);
  if (!session) return exitCode;
  DeviceLink& link = session->Link();
  if (!link.AnyPresent) return RefuseNoDevice(ctx);

  const ScanOutcome& scan = session->FirstScan();
  const std::string connection = scan.StatusImage ? std::string(RoleInfo(*scan.StatusImage).name) : "";
  const std::string linkText = LinkText(scan, link);

  const int wait = static_cast<int>(waitMs);
  const Collected collected =
      session->WaitsThroughPause() ? CollectQueued(*session, wait) : CollectWithReaders(*session, wait);
  const std::vector<RawReport>& reports = collected.reports;

  StatusCliDecoder decoder(ctx, *session);
  if (ctx.options.json) {
    ctx.out << "{\"connection\":\"" << connection << "\",\"link\":\"" << linkText << "\",\"reports\":[";
    const char* sep = "";
    for (const auto& r : reports) {
      if (const auto json = decoder.Decode(r.role, r.bytes)) {
        ctx.out << sep << *json;
        sep = ",";
      }
    }
    ctx.out << "]}\n";
  } else {
    ctx.out << "connection=" << connection << "\n";
    ctx.out << "link=" << linkText << "\n";
    for (const auto& r : reports)
      if (const auto line = decoder.Decode(r.role, r.bytes)) ctx.out << *line << "\n";
  }
  const int saved = decoder.Finish();
  if (!collected.lost.empty())
    return ctx.Refuse("the " + std::string(RoleInfo(collected.lost.front()).name) + " connection was lost during the command");
  return saved;
}

const CliCommandRegistrar kStatus{"status", "status [--wait MS]          link state and decoded status reports of MS ms",
                                  &RunStatus};

}  // namespace
}  // namespace corvane::cli
