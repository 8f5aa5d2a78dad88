#pragma once
// The system's font configuration (every configuration file, every font cache) is read the
// first time a window measures text, which in a fresh process costs more than building all
// of the main window's controls. Nothing needs it while the display connection is being
// set up, so a second thread reads it then and the window's construction finds it ready.
#include <thread>

namespace corvane {

class FontConfigWarmUp {
 public:
  FontConfigWarmUp();
  // Waits for the thread: a process that ends early must not unload the library under it.
  ~FontConfigWarmUp();
  FontConfigWarmUp(const FontConfigWarmUp&) = delete;
  FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

  void Wait();

 private:
  std::thread thread_;
};

}  // namespace corvane
