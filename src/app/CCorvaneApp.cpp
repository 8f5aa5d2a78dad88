#include "app/CCorvaneApp.h"

#include <cstdlib>
#include <cstring>

#include <QApplication>

#include "platform/ShutdownSignals.h"
#include "platform/SingleInstance.h"

namespace corvane {

namespace {

bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const char* name, std::string& value,
               std::string& error) {
  const std::string& a = args[i];
  const std::size_t n = std::strlen(name);
  if (a.size() > n && a.compare(0, n, name) == 0 && a[n] == '=') {
    value = a.substr(n + 1);
    if (value.empty()) error = std::string(name) + " needs a value";
    return !value.empty();
  }
  if (i + 1 >= args.size()) {
    error = std::string(name) + " needs a value";
    return false;
  }
  value = args[++i];
  if (value.empty()) {
    error = std::string(name) + " needs a value";
    return false;
  }
  return true;
}

bool Named(const std::string& arg, const char* name) {
  const std::size_t n = std::strlen(name);
  return arg == name || (arg.size() > n && arg.compare(0, n, name) == 0 && arg[n] == '=');
}

}  // namespace

std::optional<CorvaneCommandLine> ParseCorvaneCommandLine(const std::vector<std::string>& args, std::string& error) {
  CorvaneCommandLine line;
  if (!args.empty() && args[0] == "--gallery") {
    if (args.size() != 2) {
      error = "usage: corvane --gallery DIR";
      return std::nullopt;
    }
    line.GalleryDir = args[1];
    return line;
  }
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string value;
    if (Named(a, "--data-dir")) {
      if (!TakeValue(args, i, "--data-dir", value, error)) return std::nullopt;
      line.DataDir = value;
    } else if (a == "--simulate") {
      line.Simulate = "wired";
    } else if (a.rfind("--simulate=", 0) == 0) {
      line.Simulate = a.substr(std::strlen("--simulate="));
    } else if (Named(a, "--sim-state")) {
      if (!TakeValue(args, i, "--sim-state", value, error)) return std::nullopt;
      line.SimState = value;
    } else if (Named(a, "--trace")) {
      if (!TakeValue(args, i, "--trace", value, error)) return std::nullopt;
      line.TraceFile = value;
    } else if (a == "--no-wait") {
      line.NoWait = true;
    } else if (a == "--macros") {
      line.OpenMacros = true;
    } else {
      error = "unknown option " + a +
              " (usage: corvane [--data-dir DIR] [--simulate[=ROLES]] [--sim-state FILE] [--trace FILE] [--no-wait]"
              " [--macros]"
              " | corvane --gallery DIR)";
      return std::nullopt;
    }
  }
  return line;
}

std::optional<CorvaneDlgOptions> DialogOptionsOf(const CorvaneCommandLine& line, std::string& error) {
  CorvaneDlgOptions options;
  if (!line.DataDir.empty()) options.DataFolder = line.DataDir;
  // Without --data-dir the data folder follows CORVANE_DATA_DIR, then the XDG folder.
  if (line.Simulate) {
    options.Device.simulate = ParseSimulatedRoles(*line.Simulate);
    if (!options.Device.simulate) {
      error = "--simulate takes a comma list of wired, receiver, bluetooth";
      return std::nullopt;
    }
  } else if (!line.SimState.empty()) {
    error = "--sim-state needs --simulate";
    return std::nullopt;
  }
  options.Device.simState = line.SimState;
  options.Device.traceFile = line.TraceFile;
  options.Device.noWait = line.NoWait;
  return options;
}

bool DisplayAvailable() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* v = std::getenv(name);
    if (v && *v) return true;
  }
  return false;
}

CCorvaneApp::CCorvaneApp(CorvaneDlgOptions options, bool openMacros)
    : options_(std::move(options)), openMacros_(openMacros) {}

CCorvaneApp::~CCorvaneApp() = default;

bool CCorvaneApp::HandedToRunningProgram() {
  instance_ = std::make_unique<SingleInstance>(QString::fromLatin1(kInstanceKey));
  const unsigned request = openMacros_ ? CCorvaneDlg::kMsgOpenMacroManager : kMsgOtherInstance;
  if (instance_->Claim(static_cast<int>(request)) == SingleInstance::Role::Second) return true;
  if (!options_.Load) options_.Load = std::make_shared<StartupLoadAhead>(options_.ChosenDataFolder());
  return false;
}

int CCorvaneApp::InitInstance() {
  if (!instance_ && HandedToRunningProgram()) return 0;
  SingleInstance& instance = *instance_;

  CCorvaneDlg dlg(std::move(options_));
  QObject::connect(&instance, &SingleInstance::MessageReceived, &dlg, [&dlg](int message) {
    if (message == static_cast<int>(kMsgOtherInstance) || message == static_cast<int>(CCorvaneDlg::kMsgOpenMacroManager))
      dlg.OnMessage(static_cast<unsigned>(message), 0, 0);
  });
  instance.Listen();
  if (openMacros_)
    QMetaObject::invokeMethod(
        &dlg, [&dlg] { dlg.OnMessage(CCorvaneDlg::kMsgOpenMacroManager, 0, 0); }, Qt::QueuedConnection);
  ShutdownSignals stopRequests;
  QObject::connect(&stopRequests, &ShutdownSignals::Requested, &dlg, [&dlg](int) { dlg.EndProgram(); });
  dlg.DoModal();
  dlg.Shutdown();
  // Its socket notifiers go while the application object still runs them.
  instance_.reset();
  return 0;
}

}  // namespace corvane
