// corvanectl monitor [--count N]: the mouse's status reports, decoded as they arrive, one
// line each, until N have been shown, every connection has gone, or the command is
// interrupted (Ctrl-C); a save the reports made pending is written before it ends.
#include <csignal>
#include <ctime>
#include <memory>
#include <ostream>

#include "cli/Cli.h"
#include "cli/CliDeviceSession.h"
#include "cli/CliNumbers.h"
#include "cli/StatusCliSupport.h"
#include "device/DeviceConstants.h"
#include "device/StatusReaders.h"

namespace corvane::cli {
namespace {

// With virtual time (simulated mouse, --no-wait) time passes in steps through the pause
// service, and the command ends after this long without a report.
constexpr std::uint32_t kVirtualStepMs = 250;
constexpr std::uint32_t kVirtualIdleLimitMs = 10000;
constexpr int kQueueWaitMs = 200;
constexpr long kMaxCount = 1000000000L;

// Ctrl-C and termination are taken as requests to stop (the save is still written):
// blocked here and polled by the loops, so no handler and no global flag are needed.
class StopRequests {
 public:
  StopRequests() {
    sigemptyset(&set_);
    sigaddset(&set_, SIGINT);
    sigaddset(&set_, SIGTERM);
    sigaddset(&set_, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &set_, nullptr);
  }
  bool Requested() {
    const timespec now{0, 0};
    return sigtimedwait(&set_, nullptr, &now) > 0;
  }

 private:
  sigset_t set_;
};

class Monitor {
 public:
  Monitor(CliContext& ctx, DeviceSession& session, long count) : ctx_(ctx), session_(session), count_(count) {}

  // True when it ended because every connection went away.
  bool RunVirtual(StopRequests& stop);
  bool RunThreads(StopRequests& stop);
  int Finish() { return decoder_.Finish(); }

 private:
  bool Done() const { return count_ > 0 && shown_ >= count_; }
  void Show(DeviceRole role, std::span<const std::uint8_t> bytes) {
    if (const auto line = decoder_.Decode(role, bytes)) {
      ctx_.out << *line << std::endl;
      ++shown_;
    }
  }

  CliContext& ctx_;
  DeviceSession& session_;
  long count_;
  long shown_ = 0;
  StatusCliDecoder decoder_{ctx_, session_};
};

bool Monitor::RunVirtual(StopRequests& stop) {
  QueuedStatusInputs inputs(session_);
  const auto show = [this](DeviceRole role, std::span<const std::uint8_t> bytes) {
    if (!bytes.empty() && bytes[0] == kReportStatus) Show(role, bytes);
  };
  std::uint32_t idle = 0;
  while (!Done() && !stop.Requested()) {
    const bool any = inputs.DrainOnce(show, [this] { return Done(); });
    if (inputs.Empty()) return true;
    idle = any ? 0 : idle + kVirtualStepMs;
    if (idle >= kVirtualIdleLimitMs) break;
    if (!any) session_.GetPause().Sleep(kVirtualStepMs);
  }
  return false;
}

bool Monitor::RunThreads(StopRequests& stop) {
  DeviceLink& link = session_.Link();
  StatusReportQueue queue;
  StatusReaders readers(session_.Backend(), queue);
  readers.StartAll(link, session_.FirstScan());
  bool gone = false;
  while (!Done() && !stop.Requested()) {
    queue.WaitFor(kQueueWaitMs);
    for (const RawStatusReport& r : queue.TakeAll()) {
      if (r.Ended) {
        readers.OnEnded(link, r);
      } else if (!Done()) {
        Show(r.Role, std::span(r.Bytes).first(r.Length));
      }
    }
    if (!readers.AnyRunning()) {
      gone = true;
      for (const RawStatusReport& r : queue.TakeAll())
        if (!r.Ended && !Done()) Show(r.Role, std::span(r.Bytes).first(r.Length));
      break;
    }
  }
  readers.Stop();
  return gone && !Done();
}

int RunMonitor(CliContext& ctx, const std::vector<std::string>& args) {
  long count = 0;
  if (args.size() == 2 && args[0] == "--count") {
    const auto v = ParseDecimalArg(args[1], 1);
    if (!v) return ctx.Usage("--count takes a number of reports above 0");
    count = std::min(*v, kMaxCount);
  } else if (!args.empty()) {
    return ctx.Usage("usage: monitor [--count N]");
  }
  // Before any thread exists, so every thread inherits it.
  StopRequests stop;
  int exitCode = kExitOk;
  const auto session = OpenDeviceSession(ctx, exitCode);
  if (!session) return exitCode;
  if (!session->Link().AnyPresent) return RefuseNoDevice(ctx);

  Monitor monitor(ctx, *session, count);
  const bool gone = session->WaitsThroughPause() ? monitor.RunVirtual(stop) : monitor.RunThreads(stop);
  const int saved = monitor.Finish();
  if (gone) return ctx.Refuse("the mouse was disconnected");
  return saved;
}

const CliCommandRegistrar kMonitor{"monitor", "monitor [--count N]         decoded status reports as they arrive",
                                   &RunMonitor};

}  // namespace
}  // namespace corvane::cli
