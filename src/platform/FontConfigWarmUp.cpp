#include "platform/FontConfigWarmUp.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <QFontDatabase>
#include <QStringList>

#if defined(CORVANE_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace corvane {

FontConfigWarmUp::FontConfigWarmUp() : thread_([this] { Run(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() { Wait(); }

void FontConfigWarmUp::Run() {
#if defined(__linux__)
  // Meanwhile the window's thread and the display server set up the connection: they come
  // first for the processor. (A Linux thread has its own nice value.)
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
#if defined(CORVANE_HAVE_FONTCONFIG)
  // FcInit publishes its configuration atomically: should Qt ask first, each side builds one
  // and the loser's is dropped, so the race costs time, never correctness.
  FcInit();
#endif
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return next_ != Next::Wait; });
  if (next_ != Next::FontList) return;
  lock.unlock();
  // Qt's font database guards itself: the window thread's first font waits for this list
  // instead of building its own.
  QFontDatabase::families();
}

void FontConfigWarmUp::ApplicationReady() {
  {
    const std::lock_guard lock(mutex_);
    if (next_ == Next::Wait) next_ = Next::FontList;
  }
  changed_.notify_one();
}

void FontConfigWarmUp::Wait() {
  {
    const std::lock_guard lock(mutex_);
    if (next_ == Next::Wait) next_ = Next::Stop;
  }
  changed_.notify_one();
  if (thread_.joinable()) thread_.join();
}

}  // namespace corvane
