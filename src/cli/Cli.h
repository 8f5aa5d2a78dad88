#pragma once
// corvanectl: global options, the command registry and what every command receives.
// Each command group lives in its own Cmd*.cpp and registers itself with a
// CliCommandRegistrar, so groups are added without touching main.cpp.
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "session/AppContext.h"
#include "session/StoredFilesGuard.h"

namespace corvane::cli {

enum ExitCode { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

struct GlobalOptions {
  std::string dataDir;                     // --data-dir, else CORVANE_DATA_DIR, else the default folder
  std::optional<std::string> simulate;     // --simulate[=ROLES]; "wired" when given without roles
  std::string simState;                    // --sim-state FILE
  std::string traceFile;                   // --trace FILE
  bool noWait = false;                     // --no-wait
  bool json = false;                       // --json
};

struct CliContext {
  GlobalOptions options;
  std::unique_ptr<AppContext> app;  // after the start-up load
  std::ostream& out;
  std::ostream& err;
  // The stored files as the start-up load left them: a save refuses when another program
  // changed them since (see SaveStoredFiles).
  StoredFilesStamp seen = {};
  // Sets a one-line refusal for stderr and returns kExitRefused.
  int Refuse(const std::u16string& message) const;
  int Refuse(const std::string& message) const;
  // Refuses with language text n, or with fallback where the language file lacks it.
  int RefuseWithText(int n, const std::string& fallback) const;
  int Usage(const std::string& message) const;
};

using CliCommandFn = int (*)(CliContext& ctx, const std::vector<std::string>& args);

struct CliCommand {
  std::string name;
  std::string usage;  // one line, shown by --help
  CliCommandFn run;
};

std::vector<CliCommand>& CliCommands();

// How long a command waits for another program's save to finish.
inline constexpr std::chrono::milliseconds kDataFolderLockWait{10000};

// Runs save under the data folder's lock, after checking that no other program changed
// the stored files since this command read them; false with reason otherwise.
bool SaveStoredFiles(CliContext& ctx, StoredFiles which, const std::function<bool(std::string*)>& save,
                     std::string* reason);

struct CliCommandRegistrar {
  CliCommandRegistrar(std::string name, std::string usage, CliCommandFn run) {
    CliCommands().push_back({std::move(name), std::move(usage), run});
  }
};

}  // namespace corvane::cli
