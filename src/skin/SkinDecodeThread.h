#pragma once
// The one thread that decodes skin pictures while the GUI thread builds the windows. Its
// tasks never wait on the GUI thread, so any wait for one of them ends when its decode
// does. It starts with the first task and is stopped when the QApplication goes (tasks
// not begun by then are dropped; a picture whose decode was dropped is decoded where it
// is first drawn), or at exit when the program has no QApplication.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace corvane {

class SkinDecodeThread {
 public:
  // The program's one; a test may make its own.
  static SkinDecodeThread& Instance();
  SkinDecodeThread() = default;
  ~SkinDecodeThread();
  SkinDecodeThread(const SkinDecodeThread&) = delete;
  SkinDecodeThread& operator=(const SkinDecodeThread&) = delete;

  // Queues a task; false (and nothing queued) once the thread has been stopped.
  bool Post(std::function<void()> task);
  // Drops the tasks not begun, lets the running one end and joins the thread.
  void Stop();

 private:
  void Run();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> tasks_;
  std::thread thread_;
  bool stopped_ = false;
};

}  // namespace corvane
