#include "skin/SkinDecodeThread.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <system_error>
#include <utility>

#include <QCoreApplication>

namespace corvane {

namespace {

void StopAtApplicationEnd() { SkinDecodeThread::Instance().Stop(); }

}  // namespace

SkinDecodeThread& SkinDecodeThread::Instance() {
  static SkinDecodeThread thread;
  return thread;
}

SkinDecodeThread::~SkinDecodeThread() { Stop(); }

bool SkinDecodeThread::Post(std::function<void()> task) {
  bool start = false;
  {
    std::lock_guard lock(mutex_);
    if (stopped_) return false;
    if (!thread_.joinable()) {
      try {
        thread_ = std::thread([this] { Run(); });
      } catch (const std::system_error&) {
        return false;  // no thread to be had: every picture is decoded where it is drawn
      }
      start = true;
    }
    tasks_.push_back(std::move(task));
  }
  wake_.notify_one();
  // Qt's image readers and the QApplication's globals go before static destruction: the
  // thread must have finished its last decode by then.
  if (start && QCoreApplication::instance()) qAddPostRoutine(StopAtApplicationEnd);
  return true;
}

void SkinDecodeThread::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
    tasks_.clear();
  }
  wake_.notify_one();
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

void SkinDecodeThread::Run() {
#if defined(__linux__)
  // Decoding runs ahead of need: the window's own thread, and the display server it is
  // talking to, come first for the processor. (A Linux thread has its own nice value.)
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
  for (;;) {
    std::function<void()> task;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopped_ || !tasks_.empty(); });
      if (stopped_) return;
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    task();
  }
}

}  // namespace corvane
