// The main window and the mouse: opening the device session, following arrival and
// removal, the status reports the readers queue, and the link-state replies that decide
// whether the window may be shown.
#include <span>

#include <QMetaObject>
#include <QPaintEvent>
#include <QSocketNotifier>
#include <QTimer>

#include "app/CCorvaneDlg.h"
#include "app/SimulatedMouseWindow.h"
#include "dialogs/FirmwareDialog.h"
#include "app/COSDDialog.h"
#include "app/MainWindowLayout.h"
#include "device/FeatureTransport.h"
#include "platform/XdgLauncher.h"
#include "session/ApplyToDevice.h"
#include "session/StatusDecoder.h"

namespace corvane {

namespace {

constexpr int kConnectionAfterScanMs = 1000;
constexpr int kConnectionFromReceiverMs = 100;
constexpr int kBatteryMs = 1000;
constexpr int kBluetoothLeftMs = 300;

}  // namespace

void CCorvaneDlg::OpenDevice() {
  DeviceSessionOptions device = options_.Device;
  std::string error;
  session_ = DeviceSession::Open(std::move(device), App().Config, error);
  if (!session_) {
    // Only an unwritable trace file stops the session; the window still runs and the
    // connection indicator tells the user that no mouse is reachable.
    if (options_.Device.warn) options_.Device.warn(error);
    return;
  }
  DeviceLink& link = session_->Link();
  readers_ = std::make_unique<StatusReaders>(session_->Backend(), queue_);
  launcher_ = std::make_unique<cli::XdgLauncher>();
  decoder_ = std::make_unique<StatusDecoder>(App(), link, upload_, launcher_.get());
  // The readers only queue raw reports; decoding happens here, on the window's thread.
  QPointer<CCorvaneDlg> self(this);
  queue_.SetWakeUp([self] {
    QMetaObject::invokeMethod(
        self.data(), [self] { if (self) self->DrainStatusReports(); }, Qt::QueuedConnection);
  });
  StartHotplugWatch();
  AfterFirstFrame([this] { OpenSimulatedMouseWindow(); });
  RebuildDeviceShadow(App(), upload_);
  ProcessScan(session_->FirstScan());
  if (link.AnyPresent) ShowCurrentProfile(*this, App(), Gui());
}

void CCorvaneDlg::OpenSimulatedMouseWindow() {
  if (session_ && !simWindow_) simWindow_ = ShowSimulatedMouseWindow(*session_);
}

void CCorvaneDlg::OpenFirmwareDialog() {
  if (!session_) return;
  const FirmwareDialogEnd end = RunFirmwareDialog(this, Gui(), *session_);
  // The mouse restarted on its new firmware: its cable handle belongs to the mouse before
  // the restart, so the link is scanned again and the cable's interface reopened.
  if (end.result && end.result->updateSucceeded && !shutDown_) {
    ProcessScan(session_->Link().ScanDevices());
    session_->Link().OpenFeatureInterface(DeviceRole::Wired);
    ShowCurrentProfile(*this, App(), Gui());
  }
}

void CCorvaneDlg::StartHotplugWatch() {
  HidBackend& backend = session_->Backend();
  if (!backend.StartHotplugWatch()) return;
  if (SimBackend* sim = session_->Sim()) {
    QPointer<CCorvaneDlg> self(this);
    sim->SetHotplugNotifier([self] {
      QMetaObject::invokeMethod(
          self.data(), [self] { if (self) self->PollHotplug(); }, Qt::QueuedConnection);
    });
    return;
  }
  const int fd = backend.WatchDescriptor();
  if (fd < 0) return;
  hotplugNotifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(hotplugNotifier_, &QSocketNotifier::activated, this, [this] { PollHotplug(); });
}

void CCorvaneDlg::PollHotplug() {
  if (!session_ || shutDown_) return;
  HotplugEvent event{};
  std::string path;
  while (session_ && !shutDown_ && session_->Backend().PollHotplug(0, event, path)) OnDeviceChange(event);
}

void CCorvaneDlg::OnDeviceChange(HotplugEvent event) {
  if (!session_ || shutDown_) return;
  const DeviceChangeOutcome outcome = session_->Link().OnDeviceChange(event);
  if (outcome.Scan) ProcessScan(*outcome.Scan);
  if (outcome.Quit) {
    // The last device has gone: the window goes, then the program, once the pending
    // save is on disk.
    upload_.Activated = 0;
    hide();
    EndProgram();
    return;
  }
  if (outcome.ShowCurrentProfile) ShowCurrentProfile(*this, App(), Gui());
}

void CCorvaneDlg::ProcessScan(const ScanOutcome& scan) {
  if (!session_) return;
  DeviceLink& link = session_->Link();
  readers_->StartAll(link, scan);
  if (scan.StartBatteryTimer) SetTimer(kTimerBattery, kBatteryMs);
  if (scan.StartConnectionTimer) SetTimer(kTimerConnection, kConnectionAfterScanMs);
  if (scan.StartBluetoothLeftTimer) SetTimer(kTimerBluetoothLeft, kBluetoothLeftMs);
  if (scan.LinkStateQueried && scan.LinkState.Valid) OnLinkStateReply();
  // Changes made while no mouse was reachable kept their flags: the arriving mouse gets them.
  if (link.MouseReachable() && upload_.Dirty.Any()) ScheduleApply();
}

void CCorvaneDlg::DrainStatusReports() {
  if (!session_ || shutDown_) return;
  DeviceLink& link = session_->Link();
  bool refresh = false;
  for (const RawStatusReport& r : queue_.TakeAll()) {
    if (r.Ended) {
      readers_->OnEnded(link, r);
      continue;
    }
    const StatusEvents ev = decoder_->Decode(r.Role, std::span(r.Bytes).first(r.Length));
    if (ev.StartConnectionTimer) SetTimer(kTimerConnection, kConnectionFromReceiverMs);
    if (ev.ShowOsd) OnMessage(kMsgShowOsd, 1, 0);
    refresh = refresh || ev.RefreshView;
    if (ev.SensorChanged) update();
    // What the mouse reported is saved with the next save; start one so that it is
    // written within ten seconds even when nothing else changes.
    if (ev.Changed && !TimerActive(kTimerSave)) SetTimer(kTimerSave, 10000);
  }
  if (refresh) ShowCurrentProfile(*this, App(), Gui());
}

void CCorvaneDlg::OnShowRequest() {
  if (upload_.Activated && LinkUp()) {
    showNormal();
    raise();
    activateWindow();
    return;
  }
  if (!session_) return;
  if (QueryLinkState(session_->Link()).Valid) OnLinkStateReply();
}

void CCorvaneDlg::OnLinkStateReply() {
  if (!upload_.Activated) {
    shownByLink_ = 1;
    upload_.Activated = 1;
    showNormal();
    raise();
    activateWindow();
  } else if (!LinkUp() && shownByLink_) {
    shownByLink_ = 0;
    showMinimized();
  }
}

}  // namespace corvane
