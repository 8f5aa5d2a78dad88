#pragma once
// The program: its command line, the one running instance per user, and the main window
// run for the whole life of the process.
#include <optional>
#include <string>
#include <vector>

#include "app/CCorvaneDlg.h"

namespace corvane {

// The key every start of the program shares (a second start finds the first by it).
inline constexpr char kInstanceKey[] = "20210610 Mouse 33XX";

struct CorvaneCommandLine {
  std::optional<std::string> GalleryDir;  // --gallery DIR: render the review gallery instead
  std::string DataDir;                    // --data-dir DIR (or CORVANE_DATA_DIR)
  std::optional<std::string> Simulate;    // --simulate[=ROLES]: the roles ("wired" by default)
  std::string SimState;
  std::string TraceFile;
  bool NoWait = false;
  bool OpenMacros = false;                // --macros: open the macro manager (in the running program)
};

// Parses the arguments after the program name. On a usage error: nothing, and the one
// line to print in error.
std::optional<CorvaneCommandLine> ParseCorvaneCommandLine(const std::vector<std::string>& args, std::string& error);

// The window's options for a command line (the data folder from CORVANE_DATA_DIR when
// --data-dir is not given); nothing, with the reason in error, for unknown roles or
// --sim-state without --simulate.
std::optional<CorvaneDlgOptions> DialogOptionsOf(const CorvaneCommandLine& line, std::string& error);

// True when a window system can be reached: a display named, or a Qt platform chosen.
bool DisplayAvailable();

class SingleInstance;

class CCorvaneApp {
 public:
  // openMacros: the macro manager opens right after the start, or in the program that
  // runs already.
  explicit CCorvaneApp(CorvaneDlgOptions options, bool openMacros = false);
  ~CCorvaneApp();

  // Before the application object is made: when a program runs already, hands it this
  // start's request (message 2999, or the macro manager's) and returns true, and the start
  // ends with status 0. Otherwise this start owns the instance name and its start-up load
  // begins on a thread of its own.
  bool HandedToRunningProgram();

  // The whole run with a QApplication already made (after HandedToRunningProgram, or
  // doing it first): the main window runs until it ends (close button, tray exit,
  // termination signal, last device gone). Returns the exit status.
  int InitInstance();

 private:
  CorvaneDlgOptions options_;
  bool openMacros_ = false;
  std::unique_ptr<SingleInstance> instance_;
};

}  // namespace corvane
