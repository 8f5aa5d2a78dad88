#include "cli/CliDeviceSession.h"

#include <ostream>

#include "lang/LanguageEntries.h"

namespace corvane::cli {

namespace {

// Shown when the language file lacks the text.
constexpr char kNotConnectedFallback[] = "The mouse is not connected.";

}  // namespace

std::unique_ptr<DeviceSession> OpenDeviceSession(CliContext& ctx, int& exitCode) {
  const GlobalOptions& opt = ctx.options;
  if (!opt.simulate && !opt.simState.empty()) {
    exitCode = ctx.Usage("--sim-state needs --simulate");
    return nullptr;
  }
  DeviceSessionOptions options;
  if (opt.simulate) {
    options.simulate = ParseSimulatedRoles(*opt.simulate);
    if (!options.simulate) {
      exitCode = ctx.Usage("--simulate takes a comma list of wired, receiver, bluetooth");
      return nullptr;
    }
  }
  options.simState = opt.simState;
  options.traceFile = opt.traceFile;
  options.noWait = opt.noWait;
  std::ostream& err = ctx.err;
  options.warn = [&err](const std::string& message) { err << "corvanectl: " << message << "\n"; };
  std::string error;
  auto session = DeviceSession::Open(std::move(options), ctx.app->Config, error);
  if (!session) exitCode = ctx.Refuse(error);
  return session;
}

int RefuseNoDevice(const CliContext& ctx) { return ctx.RefuseWithText(kTextDeviceNotConnected, kNotConnectedFallback); }

int RefuseSend(const CliContext& ctx, SendResult result, const std::string& what) {
  switch (result) {
    case SendResult::Acknowledged:
      return kExitOk;
    case SendResult::NoDevice:
      return RefuseNoDevice(ctx);
    case SendResult::DeviceGone:
      return ctx.Refuse("the mouse was disconnected during the " + what);
    case SendResult::NoReply:
      return ctx.Refuse("the mouse did not answer the " + what);
    case SendResult::NotAcknowledged:
      break;
  }
  return ctx.Refuse("the mouse did not acknowledge the " + what);
}

}  // namespace corvane::cli
