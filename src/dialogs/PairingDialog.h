#pragma once
// What the main window's pairing control (2054) does: the pairing dialog, modally.
class QWidget;

namespace corvane {

class DeviceSession;
struct GuiState;

// Runs the pairing dialog over parent; IDOK or IDCANCEL as it ended. The request goes to
// the receiver through the window's link on the window's thread (nothing is sent without
// a receiver); LinkUp, which the window's status reader keeps, tells when a mouse linked.
int RunPairingDialog(QWidget* parent, GuiState& gui, DeviceSession& session);

}  // namespace corvane
