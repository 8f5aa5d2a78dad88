#pragma once
// The main window: it owns the program's state for the whole run (settings, language,
// macros), the window's own state, the device session with its status readers, the tray
// icon and the timers that drive uploads, saving, the connection indicator, the battery
// display and the on-screen display. The controls' handlers live beside it.
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include <QPointer>
#include <QRect>

#include "app/MainWindowIds.h"
#include "app/MainWindowLayout.h"
#include "app/TrayBatteryIcon.h"
#include "base/DataFolder.h"
#include "device/DeviceUploadState.h"
#include "device/StatusReaders.h"
#include "session/AppContext.h"
#include "session/DeviceSession.h"
#include "session/StartupLoadAhead.h"
#include "session/StoredFilesGuard.h"
#include "settings/CommandEffect.h"
#include "skin/CDlgBase.h"
#include "skin/GuiState.h"

class QSocketNotifier;
class QSystemTrayIcon;
class QMenu;

namespace corvane {

class ActiveWindowWatcher;
class COSDController;
class CWndPopup;
struct ProfileRecord;
class DesktopShell;
class SimulatedMouseWindow;
class StatusDecoder;
struct ApplyResult;
struct ButtonFunction;
struct CommandEffect;
namespace cli {
class XdgLauncher;
}

// How the window is to be started: where the settings live and how the mouse is reached.
struct CorvaneDlgOptions {
  std::filesystem::path DataFolder;  // empty: the user's data folder
  DeviceSessionOptions Device;
  // DataFolder, or the user's data folder when it is empty.
  std::filesystem::path ChosenDataFolder() const { return DataFolder.empty() ? DefaultDataFolder() : DataFolder; }
  // The load begun before the window system (of DataFolder, or the user's folder when that
  // is empty); none: the window loads the data folder itself.
  std::shared_ptr<StartupLoadAhead> Load;
};

// Window ids, messages and timers.
constexpr unsigned kIdTrayShow = 2075;
constexpr unsigned kIdTrayExit = 2076;
constexpr unsigned kMsgOtherInstance = 2999;
constexpr unsigned kMsgShowOsd = 1067;
constexpr int kMainIconId = 128;
constexpr int kMainBackgroundId = 364;

enum MainTimer : int {
  kTimerLeftClickRestored = 20,
  kTimerApply = 30,
  kTimerKeepHidden = 40,
  kTimerOsd = 50,
  kTimerProfileAction = 60,
  kTimerSave = 70,
  kTimerConnection = 80,
  kTimerBattery = 110,
  kTimerBluetoothLeft = 120,
};

enum class ProfileAction : int { Import = 0, Export = 1, Edit = 2, Delete = 3, Add = 4, Limit = 5 };

// The window's rectangle in the screen's available area: 1127 x 740 design pixels times
// the scale, centred, but never left of or above the area's corner.
QRect MainWindowPlacement(const QRect& available, float skinScale);

// StartupMode of config.ini's NeedPassword: 0 normal, 1 minimised and waiting for the
// mouse, anything else hidden and waiting.
enum class StartupMode { Normal, Minimised, Hidden };
StartupMode StartupModeOf(int needPassword);

class CCorvaneDlg : public CDlgBase {
  Q_OBJECT

 public:
  // Five letters typed twice show the support contact.
  static constexpr char kSupportSequence[] = "CRVNECRVNE";

  explicit CCorvaneDlg(CorvaneDlgOptions options, QWidget* parent = nullptr);
  ~CCorvaneDlg() override;

  AppContext& App() { return state_->App; }
  DeviceUploadState& Upload() { return upload_; }
  DeviceSession* Session() { return session_.get(); }
  StatusDecoder* Decoder() { return decoder_.get(); }
  COSDController& Osd() { return *osd_; }
  QSystemTrayIcon* Tray() const { return tray_; }
  StartupMode Mode() const { return startupMode_; }
  int Activated() const { return upload_.Activated; }
  int ShownByLink() const { return shownByLink_; }
  int LinkUp() const;
  int ConnIndicatorState() const;
  int KeySequenceState() const { return keySequenceState_; }
  bool ShutDown() const { return shutDown_; }

  bool OnInitDialog() override;
  void InitUI(const CRect& client) override;
  void DrawDialog(QPainter& dc, const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;
  void OnTimer(int id) override;

  // The profile menu's choice, run by timer 60 once the menu has closed.
  void RequestProfileAction(ProfileAction action, int profile);
  // Asks for an upload of what is dirty (timer 30, 20 ms).
  void ScheduleApply();

  // Closes every secondary window and ends the program (close button, tray exit,
  // termination signal, last device gone). The pending save is written first.
  void EndProgram();
  // The shutdown work: the pending save, reader threads stopped and joined, device
  // handles closed, tray icon removed. Runs once; later calls do nothing.
  void Shutdown();

  // Tray double click, tray item 2075 and message 2999.
  void OnShowRequest();
  // A valid link-state reply arrived (LinkUp already follows it).
  void OnLinkStateReply();
  // Hides the window to the tray, or minimises it where there is no tray.
  void HideToTray();

  // Device arrival or removal.
  void OnDeviceChange(HotplugEvent event);
  // Control 2055: the firmware dialog, then the restarted mouse taken up again.
  void OpenFirmwareDialog();
  // Decodes what the status readers have queued.
  void DrainStatusReports();

  // Command groups (see kCommandGroups): each answers whether the message was its own.
  // Window buttons, the other instance's message and the on-screen display.
  bool OnWindowCommand(unsigned msg, WPARAM wParam, LPARAM lParam);

  // Button functions, profiles and tools.
  bool OnButtonCommand(unsigned msg, WPARAM wParam, LPARAM lParam);
  bool OnProfileCommand(unsigned msg, WPARAM wParam, LPARAM lParam);
  bool OnToolCommand(unsigned msg, WPARAM wParam, LPARAM lParam);
  // A function chosen for the button of combo comboId (2013..2021) from the menu, a
  // submenu or a dialog: the combo shows its label, the current profile stores it, the
  // combo's pressed look is cleared and a left click is kept on the mouse.
  void AssignFromMenu(unsigned comboId, const ButtonFunction& function);
  // The combo whose menu or dialog is open, 0 for none.
  unsigned ButtonMenuTarget() const { return buttonMenuTarget_; }
  // Closes the button menu and its submenu and gives the combo its normal look again.
  void CloseButtonMenus();
  // What a command asks of the window after it changed the profile: refresh, upload,
  // attention (at once or after its delay).
  void ApplyCommandEffect(const CommandEffect& effect);
  // How the window opens the desktop's mouse settings and web pages (tests record it).
  void SetDesktopShell(std::unique_ptr<DesktopShell> shell);
  // Profile action now, without the timer (the buttons beside the profile tabs).
  void RunProfileAction(ProfileAction action, int profile);
  // The factory reset of 2045: confirmation, reset, progress (or attention 156).
  void RunFactoryReset();

  // Settings sections.
  bool OnSettingsCommand(unsigned msg, WPARAM wParam, LPARAM lParam);
  // The current profile, the one the settings controls show.
  ProfileRecord& CurrentProfile();
  // Copies the settings controls into the current profile.
  void CollectSettings();
  // A slider released outside itself reports no release: the window commits what was
  // dragged once the mouse button came up anywhere.
  void OnMouseButtonUpForSliders();

  // Macros.
  // The manager: control 2062, and message kMsgOpenMacroManager (from "corvane --macros",
  // also through a later start), which shows the window first.
  static constexpr unsigned kMsgOpenMacroManager = 2998;
  bool OnMacroCommand(unsigned msg, WPARAM wParam, LPARAM lParam);
  // Runs the macro manager modally (or brings the open one forward), then reads the
  // library again and sends the buttons that play macros.
  void OpenMacroManager();
  QWidget* MacroManager() const { return macroManager_; }

 protected:
  bool PreTranslateKey(QKeyEvent* event) override;
  void done(int r) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  struct State {
    AppContext App;
    GuiState Gui{App.Language};
  };
  CCorvaneDlg(std::unique_ptr<State> state, CorvaneDlgOptions options, QWidget* parent, QSize size);

  // Initialisation steps.
  void ResetStateValues();
  void InstallTrayIcon();
  void ApplyStartupMode();
  void OpenDevice();
  // Work the first frame does not need (the tray icon, the mouse's session and the simulated
  // mouse's window, the active-window watcher) runs once that frame is on screen, so it never
  // holds up the window the user waits for; a window that starts hidden or minimised runs it
  // at once, and once the first frame is shown a task runs when it is given.
  void AfterFirstFrame(std::function<void()> task);
  void RunFirstFrameTasks();
  void OpenSimulatedMouseWindow();
  void StartHotplugWatch();
  void ProcessScan(const ScanOutcome& scan);

  // Timers.
  void OnApplyTimer();
  void ShowApplyResult(const ApplyResult& result);
  void OnConnectionTimer();
  void OnBatteryTimer();
  void OnBluetoothLeftTimer();
  void OnSaveTimer();
  // The pending save under the data folder's lock; when another program changed the
  // files meanwhile, they are reloaded and the user told (closing: nothing is shown).
  void SaveStoredFiles(bool closing);
  void RunProfileAction();
  void SaveAndShow();
  void RefreshView();

  // Attention windows.
  void ShowAttention(int text);
  void ShowAttentionText(const std::u16string& message);
  void ShowModelessAttention(int text);

  void OnTrayMenuExit();
  void PollHotplug();

  std::unique_ptr<State> state_;
  CorvaneDlgOptions options_;
  DeviceUploadState upload_;
  StoredFilesStamp seen_;  // the stored files as this window last read or wrote them
  std::unique_ptr<DeviceSession> session_;
  // With the simulated mouse: the window that presses its buttons (kept as long as the
  // session, which it works on).
  std::unique_ptr<SimulatedMouseWindow> simWindow_;
  std::vector<std::function<void()>> afterFirstFrame_;
  bool firstFrameDone_ = false;
  StatusReportQueue queue_;
  std::unique_ptr<StatusReaders> readers_;
  std::unique_ptr<cli::XdgLauncher> launcher_;
  std::unique_ptr<StatusDecoder> decoder_;
  std::unique_ptr<COSDController> osd_;
  QSystemTrayIcon* tray_ = nullptr;
  QMenu* trayMenu_ = nullptr;
  QSocketNotifier* hotplugNotifier_ = nullptr;
  StartupMode startupMode_ = StartupMode::Normal;
  int shownByLink_ = 0;
  int batteryAnimation_ = 0;
  int keySequenceState_ = 0;
  ProfileAction pendingProfileAction_ = ProfileAction::Import;
  int pendingProfileIndex_ = 0;
  bool shutDown_ = false;

  // State of the button, profile and tool commands.
  void OpenButtonMenu(unsigned comboId);
  void OpenButtonSubmenu(unsigned hoverMessage, WPARAM comboId, LPARAM itemCode);
  void OpenFireKeyDialog(unsigned comboId);
  void OpenQuickLaunchDialog(unsigned comboId);
  // The macro picker or the key-combination dialog (item: the menu's message for it).
  void OpenButtonFunctionDialog(unsigned item, unsigned comboId);
  void OnPopupDismissed();
  void CloseInactivePopups(const std::array<QPointer<CWndPopup>, kPopupSlotCount>& open);
  void SelectProfileSlot(int slot);
  void OpenProfileList();
  void OpenProfileMenu(int slot, const QRect& below);
  void ImportProfile(int profile);
  void OpenMouseSettings();
  void OpenProjectPage();
  unsigned buttonMenuTarget_ = 0;
  bool profileListWasOpen_ = false;
  int delayedAttention_ = 0;
  std::unique_ptr<DesktopShell> shell_;

  // State of the settings sections.
  bool OnDpiCommand(unsigned msg, WPARAM wParam, LPARAM lParam);
  bool OnLightingCommand(unsigned msg, WPARAM wParam, LPARAM lParam);
  bool OnPollingCommand(unsigned msg, WPARAM wParam, LPARAM lParam);
  bool OnLiftOffAndDebounceCommand(unsigned msg, WPARAM wParam, LPARAM lParam);
  bool OnSensorCommand(unsigned msg, WPARAM wParam, LPARAM lParam);
  bool OnPowerCommand(unsigned msg, WPARAM wParam, LPARAM lParam);
  bool OnPointerCommand(unsigned msg, WPARAM wParam, LPARAM lParam);
  // What a settings command asks next: the view refreshed, the upload scheduled, an
  // attention box.
  void RunSettingsEffect(const CommandEffect& effect);
  // Opens a product popup under its combo button; the popup reports with resultMessage.
  void OpenComboPopup(CWndPopup* popup, unsigned comboId, unsigned resultMessage);
  // A combo's popup closed or chose: the combo shows its normal look again.
  void CloseComboLook(unsigned comboId);
  void OpenDpiValueDialog(int level);
  void OpenDpiColourDialog(int level);
  void OpenLightingColourDialog(int slot);
  unsigned draggedSlider_ = 0;
  QObject* sliderReleaseWatch_ = nullptr;

  // State of the macro commands.
  QPointer<QWidget> macroManager_;


  // Tray battery and per-application profiles.
 public:
  // What the tray shows now; the tray's picture and tool tip follow it (and the
  // low-battery warning is given) on every battery display update.
  TrayStatus CurrentTrayStatus();
  void UpdateTray();
  // The active window changed to one of this class: its mapped profile becomes current
  // as a tab click would make it (upload included); a class without one goes back to
  // the profile that was current before the first switch.
  void OnActiveWindowClass(const QString& windowClass);
  // The header control: the per-application profiles dialog.
  void OpenAutoSwitchDialog();
  ActiveWindowWatcher* ActiveWindow() const { return activeWindow_; }

 private:
  void StartAutoSwitch();
  void SwitchToProfile(int slot);

  ActiveWindowWatcher* activeWindow_ = nullptr;  // not available: null
  int autoSwitchReturn_ = -1;  // while a mapped application is active: the profile to go back to
  BatteryLowWarning batteryWarning_;
  QString trayToolTip_;
  std::tuple<TrayConnection, int, int> trayIconKey_{TrayConnection::None, -1, -1};
};

}  // namespace corvane
