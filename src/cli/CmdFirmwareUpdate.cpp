// corvanectl firmware update: checks the cable mouse's firmware against the carried
// application and updates it when they differ, printing what the firmware dialog shows:
// the two checksum lines, the status texts and the progress text. Exit 0 only when the
// mouse ends up holding the carried application (updated or already up to date).
#include "cli/CmdFirmwareUpdate.h"

#include <ostream>

#include "base/TextUtil.h"
#include "cli/CliDeviceSession.h"
#include "device/FirmwareImages.h"
#include "device/FirmwareTexts.h"
#include "device/FirmwareUpdate.h"

namespace corvane::cli {
namespace {

// The dialog redraws its counters for every block; the terminal gets a line when the
// whole percent moves on (and for the first and last step), which keeps an update to a
// few hundred lines.
class FirmwareLinePrinter final : public FirmwareObserver {
 public:
  FirmwareLinePrinter(std::ostream& out, bool quiet) : out_(out), quiet_(quiet) {}

  void DeviceChecksum(const std::u16string& text) override {
    if (!text.empty()) Line(text);
  }

  void Status(const FirmwareStatus& s) override {
    if (s.steps == 0) {
      Line(s.text);
      return;
    }
    const int percent = s.step * 100 / s.steps;
    if (s.step == 1 || s.step == s.steps || percent != countedPercent_) Line(s.text);
    countedPercent_ = percent;
  }

  void Progress(const FirmwareProgress& p) override {
    const std::u16string whole = p.text.substr(0, p.text.find(u'.'));
    if (p.value == 0 || whole != progressWhole_) Line(p.text);
    progressWhole_ = whole;
  }

 private:
  void Line(const std::u16string& text) {
    if (!quiet_) out_ << Utf8(text) << "\n" << std::flush;
  }

  std::ostream& out_;
  bool quiet_;
  int countedPercent_ = -1;
  std::u16string progressWhole_;
};

std::string Hex8(std::uint32_t v) { return Utf8(DeviceChecksumText(v).substr(10)); }

void PrintJson(std::ostream& out, const FirmwareResult& r, std::uint32_t imageChecksum, const std::u16string& message) {
  out << "{\"result\":\"" << OutcomeInfo(r.outcome).name << "\",\"imageChecksum\":\"" << Hex8(imageChecksum)
      << "\",\"deviceChecksum\":";
  if (r.deviceChecksum)
    out << "\"" << Hex8(*r.deviceChecksum) << "\"";
  else
    out << "null";
  out << ",\"message\":\"";
  for (const char c : Utf8(message)) {
    if (c == '"' || c == '\\') out << '\\';
    out << c;
  }
  out << "\"}\n";
}

}  // namespace

int RunFirmwareUpdate(CliContext& ctx, const std::vector<std::string>& args) {
  if (!args.empty()) return ctx.Usage("firmware update takes no arguments");
  // Without the pauses a real mouse would be asked to write while it still erases.
  if (ctx.options.noWait && !ctx.options.simulate)
    return ctx.Usage("--no-wait is for the simulated mouse only: a real mouse needs the pauses of the update");

  int exitCode = kExitOk;
  const auto session = OpenDeviceSession(ctx, exitCode);
  if (!session) return exitCode;

  const LoadedImages images = LoadFirmwareImages(ApplicationImage(), LoaderImage());
  const std::uint32_t imageChecksum = images.ApplicationHeader.CS();
  FirmwareLinePrinter printer(ctx.out, ctx.options.json);
  if (!images.ApplicationError && !ctx.options.json) ctx.out << Utf8(ImageChecksumText(imageChecksum)) << "\n";

  const FirmwareResult result = RunFirmwareCheck(session->Link(), ctx.app->Language, images, printer);
  const FirmwareOutcomeInfo& info = OutcomeInfo(result.outcome);
  std::u16string message =
      info.languageText != 0 ? ctx.app->Language.Text(info.languageText) : std::u16string(kAppFileErrorText);
  if (message.empty()) message = U16(info.name);
  if (ctx.options.json) PrintJson(ctx.out, result, imageChecksum, message);

  if (info.deviceHoldsImage) return kExitOk;
  if (result.outcome == FirmwareOutcome::DeviceGone)
    return ctx.Refuse("the mouse was disconnected during the firmware update: " + Utf8(message));
  return ctx.Refuse(message);
}

}  // namespace corvane::cli
