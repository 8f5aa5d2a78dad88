// corvanectl pair [--timeout S]: asks the receiver to pair with a mouse and waits, one
// tick a second, for the link to come up, printing the pairing dialog's text at every
// tick. S replaces the dialog's 25 seconds; the attempt fails on the tick after them.
#include <ostream>

#include "base/TextUtil.h"
#include "cli/Cli.h"
#include "cli/CliDeviceSession.h"
#include "cli/CliNumbers.h"
#include "device/Pairing.h"
#include "device/PairingWait.h"

namespace corvane::cli {
namespace {

constexpr long kMaxTimeoutSeconds = 3600;

const char* StateName(PairingState s) {
  switch (s) {
    case PairingState::Idle:
      return "idle";
    case PairingState::Waiting:
      return "waiting";
    case PairingState::Paired:
      return "paired";
    case PairingState::Failed:
      return "failed";
  }
  return "";
}

bool ParseTimeout(const std::vector<std::string>& args, long& seconds) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--timeout" || i + 1 >= args.size()) return false;
    const auto v = ParseDecimalArg(args[++i], 0, kMaxTimeoutSeconds, 5);
    if (!v) return false;
    seconds = *v;
  }
  return true;
}

int RunPair(CliContext& ctx, const std::vector<std::string>& args) {
  long timeout = PairingSession::kWaitSeconds;
  if (!ParseTimeout(args, timeout)) return ctx.Usage("usage: pair [--timeout S] (S: 0..3600 seconds)");

  int exitCode = kExitOk;
  const auto session = OpenDeviceSession(ctx, exitCode);
  if (!session) return exitCode;
  DeviceLink& link = session->Link();
  // Without a receiver there is nobody to ask, and a link that is up through the cable
  // says nothing about pairing.
  if (!link.Role(DeviceRole::Receiver).FeatureHandle) return ctx.Refuse("pair: no receiver is connected");

  const LanguageTable& language = ctx.app->Language;
  ReceiverLinkWatch watch(link);
  PairingSession pairing(static_cast<int>(timeout));
  const PairingAttempt attempt = RunPairingAttempt(link, pairing, watch, [&](const PairingTick& tick) {
    if (!ctx.options.json) ctx.out << Utf8(language.Text(tick.statusText)) << "\n" << std::flush;
  });

  if (ctx.options.json)
    ctx.out << "{\"state\":\"" << StateName(attempt.state) << "\",\"seconds\":" << pairing.PairingSeconds() << "}\n";
  if (attempt.receiverGone) return ctx.Refuse("pair: the receiver was disconnected while pairing");
  if (attempt.state == PairingState::Paired) return kExitOk;
  std::u16string reason = language.Text(PairingTexts::kFailed);
  if (reason.empty()) reason = u"pairing failed";
  return ctx.Refuse(reason);
}

const CliCommandRegistrar kPair{"pair", "pair [--timeout S]          pair the receiver with a mouse (wait S seconds, 25)",
                                &RunPair};

}  // namespace
}  // namespace corvane::cli
