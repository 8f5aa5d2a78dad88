#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "base/DataFolder.h"
#include "base/DataFolderLock.h"
#include "base/TextUtil.h"
#include "cli/Cli.h"
#include "session/StartupLoad.h"

namespace corvane::cli {

std::vector<CliCommand>& CliCommands() {
  static std::vector<CliCommand> commands;
  return commands;
}

int CliContext::Refuse(const std::u16string& message) const { return Refuse(Utf8(message)); }

int CliContext::Refuse(const std::string& message) const {
  err << "corvanectl: " << message << "\n";
  return kExitRefused;
}

int CliContext::RefuseWithText(int n, const std::string& fallback) const {
  const std::u16string& text = app->Language.Text(n);
  return text.empty() ? Refuse(fallback) : Refuse(text);
}

bool SaveStoredFiles(CliContext& ctx, StoredFiles which, const std::function<bool(std::string*)>& save,
                     std::string* reason) {
  return RunGuardedSave(*ctx.app, ctx.seen, which, kDataFolderLockWait, save, reason) == GuardedSave::Saved;
}

int CliContext::Usage(const std::string& message) const {
  err << "corvanectl: " << message << "\n";
  return kExitUsage;
}

namespace {

void PrintHelp(std::ostream& os) {
  os << "usage: corvanectl [--data-dir DIR] [--simulate[=ROLES]] [--sim-state FILE] [--trace FILE]\n"
        "                  [--no-wait] [--json] COMMAND ...\n       corvanectl --version\n\ncommands:\n";
  auto commands = CliCommands();
  std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  for (const auto& c : commands) os << "  " << c.usage << "\n";
}

// Takes the value of "--opt VALUE" or "--opt=VALUE".
bool TakeValue(const std::vector<std::string>& argv, size_t& i, const std::string& opt, std::string& value) {
  const std::string& a = argv[i];
  if (a == opt) {
    if (i + 1 >= argv.size()) return false;
    value = argv[++i];
    return true;
  }
  if (a.rfind(opt + "=", 0) == 0) {
    value = a.substr(opt.size() + 1);
    return true;
  }
  return false;
}

}  // namespace

int Main(const std::vector<std::string>& argv) {
  GlobalOptions opt;
  size_t i = 0;
  for (; i < argv.size(); ++i) {
    const std::string& a = argv[i];
    if (a.empty() || a[0] != '-') break;
    std::string v;
    if (a == "--help" || a == "-h") {
      PrintHelp(std::cout);
      return kExitOk;
    } else if (a == "--version") {
      std::cout << "corvanectl " << CORVANE_VERSION << "\n";
      return kExitOk;
    } else if (a == "--json") {
      opt.json = true;
    } else if (a == "--no-wait") {
      opt.noWait = true;
    } else if (a == "--simulate") {
      opt.simulate = "wired";
    } else if (a.rfind("--simulate=", 0) == 0) {
      opt.simulate = a.substr(11);
    } else if (TakeValue(argv, i, "--data-dir", v)) {
      opt.dataDir = v;
    } else if (TakeValue(argv, i, "--sim-state", v)) {
      opt.simState = v;
    } else if (TakeValue(argv, i, "--trace", v)) {
      opt.traceFile = v;
    } else {
      std::cerr << "corvanectl: unknown or incomplete option " << a << "\n";
      return kExitUsage;
    }
  }
  if (i >= argv.size()) {
    PrintHelp(std::cerr);
    return kExitUsage;
  }
  const std::string name = argv[i];
  const std::vector<std::string> args(argv.begin() + static_cast<long>(i) + 1, argv.end());
  const auto& commands = CliCommands();
  const auto it = std::find_if(commands.begin(), commands.end(), [&](const auto& c) { return c.name == name; });
  if (it == commands.end()) {
    std::cerr << "corvanectl: unknown command " << name << "\n";
    PrintHelp(std::cerr);
    return kExitUsage;
  }

  CliContext ctx{opt, std::make_unique<AppContext>(), std::cout, std::cerr, {}};
  ctx.app->DataFolder = opt.dataDir.empty() ? DefaultDataFolder() : std::filesystem::path(opt.dataDir);
  if (ctx.app->DataFolder.empty()) return ctx.Refuse(std::string(kNoDataFolderText));
  {
    // The load may write (a first start, a damaged file replaced): under the lock, so it
    // never reads another program's save half-way through.
    EnsureDataFolder(ctx.app->DataFolder);
    const DataFolderLock lock(ctx.app->DataFolder, kDataFolderLockWait);
    std::error_code ec;
    if (!lock.Held() && std::filesystem::is_directory(ctx.app->DataFolder, ec))
      return ctx.Refuse("another program is saving to " + ctx.app->DataFolder.string() + " (its lock is held)");
    RunStartupLoad(*ctx.app);
    ctx.seen = TakeStoredFilesStamp(*ctx.app);
  }
  // Damaged files found by the load: said once, here; the files were kept aside.
  for (const std::string& notice : ctx.app->FileNotices) std::cerr << "corvanectl: " << notice << "\n";
  return it->run(ctx, args);
}

}  // namespace corvane::cli

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return corvane::cli::Main(args);
}
