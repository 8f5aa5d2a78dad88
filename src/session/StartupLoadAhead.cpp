#include "session/StartupLoadAhead.h"

#include <chrono>
#include <system_error>
#include <utility>

#include "base/DataFolder.h"
#include "base/DataFolderLock.h"
#include "session/StartupLoad.h"

namespace corvane {

StartupLoadAhead::StartupLoadAhead(std::filesystem::path dataFolder) : ctx_(std::make_unique<AppContext>()) {
  ctx_->DataFolder = std::move(dataFolder);
  try {
    thread_ = std::thread([this] { Run(); });
  } catch (const std::system_error&) {
    Run();
  }
}

StartupLoadAhead::~StartupLoadAhead() {
  if (thread_.joinable()) thread_.join();
}

void StartupLoadAhead::Run() {
  // The lock is taken on the folder itself, so it has to be there first.
  EnsureDataFolder(ctx_->DataFolder);
  // corvanectl may be half-way through a change of several files: the load waits for it,
  // and the stamp names the files as they were read.
  const DataFolderLock lock(ctx_->DataFolder, std::chrono::seconds(5));
  // The font is chosen again at the screen's scale when the window takes the load.
  RunStartupLoad(*ctx_);
  stamp_ = TakeStoredFilesStamp(*ctx_);
}

StoredFilesStamp StartupLoadAhead::Take(AppContext& ctx) {
  if (thread_.joinable()) thread_.join();
  ctx = std::move(*ctx_);
  return std::move(stamp_);
}

}  // namespace corvane
