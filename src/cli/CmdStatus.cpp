// corvanectl status [--wait MS]: the link state, then the status reports the mouse sends
// within MS milliseconds (default 300), decoded as the program decodes them (so the
// current profile follows the mouse, and that change is saved before the end).
#include <array>
#include <chrono>
#include <mutex>
#include <ostream>
#include <thread>

#include "cli/Cli.h"
#include "cli/CliNumbers.h"
#include "cli/CliDeviceSession.h"
#include "cli/StatusCliSupport.h"
#include "device/DeviceConstants.h"

namespace corvane::cli {
namespace {

constexpr int kDefaultWaitMs = 300;
constexpr long kMaxWaitMs = 24L * 60 * 60 * 1000;
// A device that never stops sending cannot keep a drain going for ever.
constexpr int kMaxDrainedReports = 4096;

struct RawReport {
  DeviceRole role;
  std::vector<std::uint8_t> bytes;
};

struct Reader {
  DeviceRole role;
  std::unique_ptr<HidHandle> handle;
  bool gone = false;
};

// Collects what the open status interfaces deliver, in arrival order.
class ReportLog {
 public:
  void Add(DeviceRole role, std::span<const std::uint8_t> bytes) {
    const std::lock_guard lock(mutex_);
    reports_.push_back({role, {bytes.begin(), bytes.end()}});
  }
  std::vector<RawReport> Take() {
    const std::lock_guard lock(mutex_);
    return std::move(reports_);
  }

 private:
  std::mutex mutex_;
  std::vector<RawReport> reports_;
};

// Reads until timeout or nothing is left; false when the interface has gone.
bool ReadUntil(Reader& r, ReportLog& log, int timeoutMs, bool drainOnly) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  std::array<std::uint8_t, kReportLength> buffer{};
  for (int drained = 0; !drainOnly || drained < kMaxDrainedReports; ++drained) {
    int wait = 0;
    if (!drainOnly) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) return true;
      wait = static_cast<int>(left);
    }
    std::size_t n = 0;
    switch (r.handle->Read(buffer, wait, n)) {
      case HidReadResult::Ok:
        log.Add(r.role, std::span(buffer).first(std::min(n, buffer.size())));
        break;
      case HidReadResult::Timeout:
        if (drainOnly) return true;
        break;
      case HidReadResult::Gone:
        return false;
    }
  }
  return true;
}

// Real time: one reader thread per connection, as the program runs them. Virtual time
// (simulated devices, --no-wait): take what is queued, let the wait pass through the
// pause service, take what came meanwhile.
void CollectReports(DeviceSession& session, std::vector<Reader>& readers, ReportLog& log, int waitMs) {
  if (session.WaitsThroughPause()) {
    for (auto& r : readers) r.gone = !ReadUntil(r, log, 0, true);
    if (waitMs > 0) session.GetPause().Sleep(static_cast<std::uint32_t>(waitMs));
    for (auto& r : readers)
      if (!r.gone) r.gone = !ReadUntil(r, log, 0, true);
    return;
  }
  std::vector<std::thread> threads;
  for (auto& r : readers) threads.emplace_back([&r, &log, waitMs] { r.gone = !ReadUntil(r, log, waitMs, false); });
  for (auto& t : threads) t.join();
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

  std::vector<Reader> readers;
  for (const auto& info : kDeviceRoles) {
    const RoleLink& r = link.Role(info.role);
    if (!r.Present || r.InputInterfacePath.empty()) continue;
    if (auto handle = session->Backend().Open(r.InputInterfacePath))
      readers.push_back({info.role, std::move(handle)});
  }
  ReportLog log;
  CollectReports(*session, readers, log, static_cast<int>(waitMs));
  const std::vector<RawReport> reports = log.Take();

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
  for (const auto& r : readers) {
    if (r.gone) return ctx.Refuse("the " + std::string(RoleInfo(r.role).name) + " connection was lost during the command");
  }
  return saved;
}

const CliCommandRegistrar kStatus{"status", "status [--wait MS]          link state and decoded status reports of MS ms",
                                  &RunStatus};

}  // namespace
}  // namespace corvane::cli
