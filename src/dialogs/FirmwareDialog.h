#pragma once
// What the main window's firmware control (2055) does: the firmware dialog when the cable
// mouse is there, otherwise the attention box asking for the cable (text 291).
#include <optional>

#include "device/FirmwareUpdate.h"

class QWidget;

namespace corvane {

class DeviceLink;
class DeviceSession;
struct GuiState;

// The cable mouse is present, so the firmware dialog may open.
bool WiredMouseReady(const DeviceLink& link);

struct FirmwareDialogEnd {
  bool opened = false;                  // false: the attention box was shown instead
  std::optional<FirmwareResult> result;  // how the check ended; none if it never started
};

// Runs the firmware dialog modally over parent (or the attention box). The update talks
// to the mouse on a worker thread through a link of its own; the window's link is used on
// the window's thread only, and just once by the worker: its ExpectReenumeration is set
// before the restart frame, so the window keeps running while the mouse leaves the bus.
// While the update runs the window sends nothing to the mouse (FirmwareUpdateRunning in
// dialogs/FirmwareDialogWorker.h) and the dialog refuses to close, also when the window
// closes its secondary windows; if the program's event loop ends anyway, this returns
// only once the update has ended. When result->updateSucceeded the mouse restarted: the
// window's wired handle belongs to the mouse before its restart and is to be reopened
// (rescan, then OpenFeatureInterface of the wired role).
FirmwareDialogEnd RunFirmwareDialog(QWidget* parent, GuiState& gui, DeviceSession& session);

}  // namespace corvane
