#pragma once
// The main window's share of the upload: what the mouse is believed to hold, which
// groups must be sent, and whether a save of the settings files is due.
#include "device/DeviceShadow.h"
#include "settings/DeviceDirtyFlags.h"

namespace corvane {

struct DeviceUploadState {
  DeviceShadow Shadow;
  DeviceDirtyFlags Dirty;
  // config.ini and the five profile files are to be written (timer 70, or at the end).
  int ConfigSavePending = 0;
  // The macro manager was opened: the next slot assignment takes each macro button's
  // copy anew from the library.
  int RefreshMacroCopies = 0;
  // The window may talk to the mouse; until then upload requests are dropped.
  int Activated = 1;
};

}  // namespace corvane
