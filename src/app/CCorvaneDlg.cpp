// The main window's life: initialisation in the program's order, the message map of the
// window buttons and the other instance's message, the keys it swallows, and the end.
#include "app/CCorvaneDlg.h"

#include <algorithm>
#include <span>
#include <utility>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSocketNotifier>
#include <QSystemTrayIcon>
#include <QTimer>

#include "app/SimulatedMouseWindow.h"
#include "dialogs/FirmwareDialog.h"
#include "dialogs/PairingDialog.h"
#include "app/COSDDialog.h"
#include "app/MainWindowLayout.h"
#include "base/DataFolder.h"
#include "dialogs/CAttentionDlg.h"
#include "lang/LanguageEntries.h"
#include "platform/DesktopShell.h"
#include "platform/XdgLauncher.h"
#include "session/ConfigSave.h"
#include "session/StartupLoad.h"
#include "session/StatusDecoder.h"
#include "settings/ConfigTable.h"
#include "skin/MessageMap.h"
#include "skin/OpenPopupTable.h"
#include "skin/SkinFiles.h"
#include "skin/SkinPicture.h"
#include "skin/SkinScaling.h"

namespace corvane {

namespace {

// The screen's area for windows (without panels), or a common desktop when no screen is
// known.
QRect AvailableArea() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) return screen->availableGeometry();
  return QRect(0, 0, 1920, 1040);
}

double LogicalDpiX() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) return screen->logicalDotsPerInchX();
  return 96.0;
}

float ScaleForScreen() {
  const QRect area = AvailableArea();
  return ChooseSkinScale(area.width(), area.height());
}

QSize MainWindowSize(float scale) {
  return QSize(Scaled(scale, kMainDesignWidth), Scaled(scale, kMainDesignHeight));
}

constexpr char16_t kSupportContact[] =
    u"Corvane support: run \"corvanectl devices\" and \"corvanectl status\" and send the output with "
    u"a description of the problem to your vendor.";

void UseApplicationIcon() {
  if (!QApplication::windowIcon().isNull()) return;
  if (const auto icon = SkinPicture::Open(ResourceImagePath(kMainIconId), SkinPicture::Finish::Premultiplied))
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon->Take())));
}

}  // namespace

QRect MainWindowPlacement(const QRect& available, float skinScale) {
  const QSize size = MainWindowSize(skinScale);
  const int x = std::max(0, (available.width() - size.width()) / 2);
  const int y = std::max(0, (available.height() - size.height()) / 2);
  return QRect(QPoint(available.left() + x, available.top() + y), size);
}

StartupMode StartupModeOf(int needPassword) {
  if (needPassword == 0) return StartupMode::Normal;
  return needPassword == 1 ? StartupMode::Minimised : StartupMode::Hidden;
}

CCorvaneDlg::CCorvaneDlg(CorvaneDlgOptions options, QWidget* parent)
    : CCorvaneDlg(std::make_unique<State>(), std::move(options), parent, MainWindowSize(ScaleForScreen())) {}

CCorvaneDlg::CCorvaneDlg(std::unique_ptr<State> state, CorvaneDlgOptions options, QWidget* parent, QSize size)
    : CDlgBase(state->Gui, parent, size.width(), size.height()),
      state_(std::move(state)),
      options_(std::move(options)),
      osd_(std::make_unique<COSDController>(state_->Gui, *this)) {
  // The program ends when this window ends, not when its last window is hidden.
  setAttribute(Qt::WA_QuitOnClose, false);
}

CCorvaneDlg::~CCorvaneDlg() { Shutdown(); }

int CCorvaneDlg::LinkUp() const { return session_ ? session_->Link().LinkUp.load() : 0; }

int CCorvaneDlg::ConnIndicatorState() const { return decoder_ ? decoder_->ConnIndicatorState : 0; }

bool CCorvaneDlg::OnInitDialog() {
  AppContext& app = App();
  GuiState& gui = Gui();
  // The window-sized background, the largest picture, is decoded on the second core while
  // the settings load and the controls are made; the first paint takes it in.
  LoadBackground(ResourceImagePath(kMainBackgroundId).toStdString());
  gui.ExeFolder = ProgramResourceFolder();

  gui.SkinScale = ScaleForScreen();
  gui.DpiFactor = static_cast<float>(ComputeDpiFactor(LogicalDpiX()));
  {
    // The load sets app.DataFolder too.
    const std::shared_ptr<StartupLoadAhead> load =
        options_.Load ? std::move(options_.Load) : std::make_shared<StartupLoadAhead>(options_.ChosenDataFolder());
    seen_ = load->Take(app);
    gui.Font = InterfaceFont(app, gui.SkinScale);
  }

  // Controls, dialog font and size (the base's own initialisation), then the title the
  // language gives the window and its place on the screen.
  CDlgBase::OnInitDialog();
  setWindowTitle(QString::fromStdU16String(app.Language.Text(kTextMainTitle)));
  const QRect place = MainWindowPlacement(AvailableArea(), gui.SkinScale);
  move(place.topLeft());

  ResetStateValues();
  // The icon is decoded once for the program: every window and the tray icon show the
  // application's. Given before the window is made, it is converted and sent to the display
  // twice on the way to the first frame; given after it, once, off that path.
  AfterFirstFrame(UseApplicationIcon);
  AfterFirstFrame([this] { InstallTrayIcon(); });
  ApplyStartupMode();
  ShowCurrentProfile(*this, app, gui);

  AfterFirstFrame([this] { OpenDevice(); });
  AfterFirstFrame([this] { StartAutoSwitch(); });
  // Damaged settings files the load kept aside: told once, over the shown window.
  if (!app.FileNotices.empty())
    QTimer::singleShot(0, this, [this] { ShowAttentionText(FileNoticesSummary(App().FileNotices)); });

  SetTimer(kTimerKeepHidden, 100);
  SetTimer(kTimerConnection, 2000);
  return true;
}

void CCorvaneDlg::InitUI(const CRect& client) { CreateMainWindowControls(*this, App(), Gui(), client); }

void CCorvaneDlg::DrawDialog(QPainter& dc, const CRect& client) {
  DrawFrameBackground(dc, client, QImage(), 0, 0);
  DrawControls(dc, client);
}

void CCorvaneDlg::AfterFirstFrame(std::function<void()> task) {
  if (firstFrameDone_) {
    task();
    return;
  }
  if (afterFirstFrame_.empty()) {
    QTimer::singleShot(0, this, [this] {
      if (!isVisible() || isMinimized()) RunFirstFrameTasks();
    });
    // Should no frame come (a window manager that holds the map back), the work is done
    // anyway.
    QTimer::singleShot(1000, this, [this] { RunFirstFrameTasks(); });
  }
  afterFirstFrame_.push_back(std::move(task));
}

void CCorvaneDlg::RunFirstFrameTasks() {
  firstFrameDone_ = true;
  const auto tasks = std::exchange(afterFirstFrame_, {});
  for (const auto& task : tasks) task();
}

void CCorvaneDlg::paintEvent(QPaintEvent* event) {
  CDlgBase::paintEvent(event);
  if (!afterFirstFrame_.empty()) QTimer::singleShot(0, this, [this] { RunFirstFrameTasks(); });
}

void CCorvaneDlg::ResetStateValues() {
  Gui().OpenPopupTable.fill(nullptr);
  upload_ = DeviceUploadState{};
  shownByLink_ = 0;
  batteryAnimation_ = 0;
  keySequenceState_ = 0;
}

void CCorvaneDlg::ApplyStartupMode() {
  startupMode_ = StartupModeOf(static_cast<int>(App().Config.ConfigNeedPassword()));
  // The device session takes LinkUp from the same setting when it opens.
  upload_.Activated = startupMode_ == StartupMode::Normal ? 1 : 0;
  if (startupMode_ == StartupMode::Minimised) showMinimized();
}

// The controls' handlers, one group per file. Each group answers whether the message was
// its own; the first that takes it ends the search.
using CommandGroup = bool (CCorvaneDlg::*)(unsigned msg, WPARAM wParam, LPARAM lParam);
constexpr CommandGroup kCommandGroups[] = {
    &CCorvaneDlg::OnWindowCommand,
    // Button functions, profiles and tools.
    &CCorvaneDlg::OnButtonCommand,
    &CCorvaneDlg::OnProfileCommand,
    &CCorvaneDlg::OnToolCommand,
    // Settings sections.
    &CCorvaneDlg::OnSettingsCommand,

    // Macros.
    &CCorvaneDlg::OnMacroCommand,
};

LRESULT CCorvaneDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  if (OnSectionHeader(*this, App(), Gui(), msg)) return 0;
  for (CommandGroup group : kCommandGroups) {
    if ((this->*group)(msg, wParam, lParam)) return 0;
  }
  return 0;
}

bool CCorvaneDlg::OnWindowCommand(unsigned msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case mainwnd::kClose:
      if (lParam == kNotifyClick) EndProgram();
      return true;
    case mainwnd::kMinimise:
    case mainwnd::kHide:
      if (lParam == kNotifyClick) HideToTray();
      return true;
    case mainwnd::kFirmware:
      if (lParam == kNotifyClick) OpenFirmwareDialog();
      return true;
    case mainwnd::kPairing:
      if (lParam == kNotifyClick && session_) RunPairingDialog(this, Gui(), *session_);
      return true;
    case mainwnd::kAutoSwitch:
      if (lParam == kNotifyClick) OpenAutoSwitchDialog();
      return true;
    case kMsgOtherInstance:
      OnShowRequest();
      return true;
    case kMsgShowOsd:
      if (wParam == 1 && osd_) {
        auto lines = BuildOsdLines(App());
        osd_->ShowOsd(std::move(lines[0]), std::move(lines[1]), std::move(lines[2]));
      }
      return true;
    default:
      return false;
  }
}

bool CCorvaneDlg::PreTranslateKey(QKeyEvent* event) {
  const int key = event->key();
  // The window never closes by keyboard.
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
    keySequenceState_ = 0;
    return true;
  }
  const int expected = kSupportSequence[keySequenceState_];
  if (key == expected) {
    ++keySequenceState_;
    if (kSupportSequence[keySequenceState_] == '\0') {
      keySequenceState_ = 0;
      ShowAttentionText(kSupportContact);
    }
  } else {
    keySequenceState_ = key == kSupportSequence[0] ? 1 : 0;
  }
  return false;
}

void CCorvaneDlg::done(int r) {
  Shutdown();
  CDlgBase::done(r);
}

void CCorvaneDlg::EndProgram() {
  CloseOpenPopups(Gui());
  Shutdown();
  // A modal window of the program (a file dialog, say) ends too, so the main window's
  // loop can return.
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QDialog*>(w);
    if (dialog && dialog != this && dialog->isVisible() && dialog->isModal()) dialog->reject();
  }
  EndDialog(IDCANCEL);
}

void CCorvaneDlg::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  afterFirstFrame_.clear();
  for (const int id : {kTimerLeftClickRestored, kTimerApply, kTimerKeepHidden, kTimerOsd, kTimerProfileAction,
                       kTimerSave, kTimerConnection, kTimerBattery, kTimerBluetoothLeft})
    KillTimer(id);
  if (hotplugNotifier_) hotplugNotifier_->setEnabled(false);
  if (session_ && session_->Sim()) session_->Sim()->SetHotplugNotifier(nullptr);
  // Readers first: nothing may queue into the window while it goes.
  queue_.SetWakeUp(nullptr);
  if (readers_) readers_->Stop();
  if (session_) {
    for (const RawStatusReport& r : queue_.TakeAll()) {
      if (r.Ended) readers_->OnEnded(session_->Link(), r);
      else if (decoder_) decoder_->Decode(r.Role, std::span(r.Bytes).first(r.Length));
    }
  }
  SaveStoredFiles(true);
  osd_.reset();
  decoder_.reset();
  readers_.reset();
  simWindow_.reset();
  session_.reset();
  if (tray_) {
    tray_->hide();
    delete tray_;
    tray_ = nullptr;
  }
  delete trayMenu_;
  trayMenu_ = nullptr;
}

void CCorvaneDlg::ShowAttention(int text) { ShowAttentionText(App().Language.Text(text)); }

void CCorvaneDlg::ShowAttentionText(const std::u16string& message) {
  CAttentionDlg box(Gui(), u"", message, isVisible() ? this : nullptr);
  box.DoModal();
}

void CCorvaneDlg::ShowModelessAttention(int text) {
  auto* box = new CAttentionDlg(Gui(), u"", App().Language.Text(text), nullptr);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box->EnsureInitialized();
  box->show();
}

void CCorvaneDlg::HideToTray() {
  // Without a tray the icon could not bring the window back.
  if (tray_ && tray_->isVisible()) hide();
  else showMinimized();
}

}  // namespace corvane
