#pragma once
// The system's font configuration (every configuration file, every font cache) and Qt's
// list of the installed fonts are built the first time a window measures text, which in a
// fresh process costs more than building all of the main window's controls. Nothing needs
// them while the display connection is set up and the settings are read, so a second
// thread builds them then and the window's construction finds them ready.
#include <condition_variable>
#include <mutex>
#include <thread>

namespace corvane {

class FontConfigWarmUp {
 public:
  // Starts reading the font configuration; to be made before the QGuiApplication.
  FontConfigWarmUp();
  // Waits for the thread: a process that ends early must not unload the library under it.
  ~FontConfigWarmUp();
  FontConfigWarmUp(const FontConfigWarmUp&) = delete;
  FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

  // The QGuiApplication exists: Qt's font list may be built now.
  void ApplicationReady();
  // Waits for the thread; called before the QGuiApplication goes.
  void Wait();

 private:
  enum class Next { Wait, FontList, Stop };
  void Run();

  std::mutex mutex_;
  std::condition_variable changed_;
  Next next_ = Next::Wait;
  std::thread thread_;
};

}  // namespace corvane
