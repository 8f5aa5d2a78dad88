// corvanectl firmware update: checks the cable mouse's firmware against the carried
// application and updates it when they differ, showing what the firmware dialog shows:
// the two checksum lines, the status texts and the progress. On a terminal the progress
// is one line redrawn in place (a bar, the percent and the phase); into a file or pipe it
// is plain lines; with --json one object per progress step, then the result. Exit 0 only
// when the mouse ends up holding the carried application (updated or already up to date).
#include "cli/CmdFirmwareUpdate.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <ostream>

#include "base/TextUtil.h"
#include "cli/CliDeviceSession.h"
#include "cli/KeyValueOutput.h"
#include "device/FirmwareImages.h"
#include "device/FirmwareTexts.h"
#include "device/FirmwareUpdate.h"

namespace corvane::cli {
namespace {

// The dialog redraws its counters for every block; a file or pipe gets a line when the
// whole percent moves on (and for the first and last step), which keeps an update to a
// few hundred lines.
class FirmwareLinePrinter final : public FirmwareObserver {
 public:
  explicit FirmwareLinePrinter(std::ostream& out) : out_(out) {}

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
    out_ << Utf8(text) << "\n" << std::flush;
  }

  std::ostream& out_;
  int countedPercent_ = -1;
  std::u16string progressWhole_;
};

// The phase and how far the update is, as the bar and the JSON lines show them: the
// counted loader steps, then the application's blocks as the dialog's progress bar counts
// them. A phase without a count keeps the percent reached.
class FirmwareProgressState {
 public:
  // Shown in steps of 1/stepsPerPercent percent.
  explicit FirmwareProgressState(int stepsPerPercent) : stepsPerPercent_(stepsPerPercent) {}
  // True when what is shown changes: a new phase, or the percent moved on by a step.
  bool Status(const FirmwareStatus& s) {
    if (s.steps > 0) percent_ = s.step * 100.0 / s.steps;
    phase_ = s.text;
    return true;
  }
  bool Progress(const FirmwareProgress& p) {
    percent_ = p.total > 0 ? std::min(100.0, p.value * 100.0 / p.total) : 0.0;
    const long shown = std::lround(std::floor(percent_ * stepsPerPercent_));
    if (shown == shown_) return false;
    shown_ = shown;
    return true;
  }
  double Percent() const { return percent_; }
  const std::u16string& Phase() const { return phase_; }

 private:
  int stepsPerPercent_;
  double percent_ = 0;
  long shown_ = -1;
  std::u16string phase_;
};

// On a terminal: the checksum lines as lines, everything else on one line redrawn in place
// ("\r", then erase to the end of the line).
class FirmwareBarPrinter final : public FirmwareObserver {
 public:
  explicit FirmwareBarPrinter(std::ostream& out) : out_(out) {}
  ~FirmwareBarPrinter() override {
    if (barShown_) out_ << "\n" << std::flush;
  }

  void DeviceChecksum(const std::u16string& text) override {
    if (text.empty()) return;
    if (barShown_) out_ << "\r\x1b[K";
    out_ << Utf8(text) << "\n";
    if (barShown_) Redraw();
  }
  void Status(const FirmwareStatus& s) override {
    if (state_.Status(s)) Redraw();
  }
  void Progress(const FirmwareProgress& p) override {
    if (state_.Progress(p)) Redraw();
  }

 private:
  void Redraw() {
    constexpr int kWidth = 30;
    const int filled = static_cast<int>(state_.Percent() * kWidth / 100.0);
    char percent[16];
    std::snprintf(percent, sizeof percent, "%5.1f%%", state_.Percent());
    out_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] " << percent << "  "
         << Utf8(state_.Phase()) << "\x1b[K" << std::flush;
    barShown_ = true;
  }

  std::ostream& out_;
  FirmwareProgressState state_{10};
  bool barShown_ = false;
};

// --json: {"phase":TEXT,"percent":P} whenever the phase or the whole percent changes.
class FirmwareJsonPrinter final : public FirmwareObserver {
 public:
  explicit FirmwareJsonPrinter(std::ostream& out) : out_(out) {}
  void Status(const FirmwareStatus& s) override {
    if (state_.Status(s)) Line();
  }
  void Progress(const FirmwareProgress& p) override {
    if (state_.Progress(p)) Line();
  }

 private:
  void Line() {
    if (state_.Phase().empty()) return;  // the bar's reset before the first phase is named
    char percent[16];
    std::snprintf(percent, sizeof percent, "%.1f", state_.Percent());
    out_ << "{\"phase\":" << JsonString(state_.Phase()) << ",\"percent\":" << percent << "}\n" << std::flush;
  }
  std::ostream& out_;
  FirmwareProgressState state_{1};
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
  if (!images.ApplicationError && !ctx.options.json) ctx.out << Utf8(ImageChecksumText(imageChecksum)) << "\n";

  std::unique_ptr<FirmwareObserver> printer;
  if (ctx.options.json)
    printer = std::make_unique<FirmwareJsonPrinter>(ctx.out);
  else if (&ctx.out == &std::cout && ::isatty(STDOUT_FILENO))
    printer = std::make_unique<FirmwareBarPrinter>(ctx.out);
  else
    printer = std::make_unique<FirmwareLinePrinter>(ctx.out);
  const FirmwareResult result = RunFirmwareCheck(session->Link(), ctx.app->Language, images, *printer);
  printer.reset();  // the bar's line is finished before anything else is said
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
