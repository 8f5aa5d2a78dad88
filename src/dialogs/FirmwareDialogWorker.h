#pragma once
// Runs the firmware check and update off the window's thread, so the dialog keeps
// painting and reacting while the mouse is written (the update's pauses add up to a
// minute and more). The worker talks to the mouse through a device link of its own over
// the session's HID stack and pause service; the window's link stays the window's, used
// on the window's thread only. Everything the update shows reaches the dialog through a
// locked queue that the window's thread empties: only that thread touches controls.
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "device/FirmwareImages.h"
#include "device/FirmwareObserver.h"
#include "device/FirmwareUpdate.h"
#include "lang/LanguageTable.h"

class QObject;

namespace corvane {

class DeviceSession;
class FirmwareReportQueue;

// What the worker reports, each call made on the thread that owns `target`.
struct FirmwareDialogSink {
  std::function<void(const std::u16string&)> deviceChecksum;
  std::function<void(const FirmwareStatus&)> status;
  std::function<void(const FirmwareProgress&)> progress;
  std::function<void(const FirmwareResult&)> finished;
};

class FirmwareDialogWorker {
 public:
  FirmwareDialogWorker(DeviceSession& session, const LanguageTable& language, const LoadedImages& images);
  // Waits for a running update: the mouse is never left half-written by a closing window.
  ~FirmwareDialogWorker();
  FirmwareDialogWorker(const FirmwareDialogWorker&) = delete;
  FirmwareDialogWorker& operator=(const FirmwareDialogWorker&) = delete;

  // Starts the check (and the update when the mouse needs it). The sink's calls are
  // queued to target's thread and dropped once target is gone. False when one runs.
  bool Start(QObject* target, FirmwareDialogSink sink);
  // True from Start until the finished call has been delivered.
  bool Running() const { return running_; }
  // Waits for the worker thread to end (the finished call may still be queued).
  void Wait();

 private:
  void Run(const FirmwareDialogSink& sink);

  DeviceSession& session_;
  const LanguageTable& language_;
  const LoadedImages& images_;
  // Made on the window's thread by Start; lives until the worker is gone, so a report
  // still queued when the thread ends is delivered or dropped with it, never run late.
  std::unique_ptr<FirmwareReportQueue> queue_;
  std::thread thread_;
  std::atomic<bool> running_{false};
};

// Whether a firmware update is running anywhere in the program: while it does, the
// window sends nothing to the mouse (its frames would land between the flash writes).
bool FirmwareUpdateRunning();

}  // namespace corvane
