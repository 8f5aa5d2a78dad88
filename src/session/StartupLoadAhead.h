#pragma once
// The window's start-up load on a thread of its own, begun before the window system is set
// up: connecting to the display and loading its plugins keeps the window's thread waiting
// for tens of milliseconds, and the macro library's read fits in that time. The steps are
// RunStartupLoad's under the data folder's lock, with the stamp of the stored files taken
// before the lock is let go, exactly as when the window loads them itself.
#include <filesystem>
#include <memory>
#include <thread>

#include "session/AppContext.h"
#include "session/StoredFilesGuard.h"

namespace corvane {

class StartupLoadAhead {
 public:
  // Begins loading dataFolder. Without a thread to spare it loads here and now.
  explicit StartupLoadAhead(std::filesystem::path dataFolder);
  ~StartupLoadAhead();
  StartupLoadAhead(const StartupLoadAhead&) = delete;
  StartupLoadAhead& operator=(const StartupLoadAhead&) = delete;

  // Waits for the load and moves what it read into ctx (its language, library, settings
  // and notices); returns the stamp of the stored files as read. Once only.
  StoredFilesStamp Take(AppContext& ctx);

 private:
  void Run();

  std::unique_ptr<AppContext> ctx_;
  StoredFilesStamp stamp_;
  std::thread thread_;
};

}  // namespace corvane
