// The dialogs of the toolkit and the on-screen display.
#include <span>

#include "app/COSDDialog.h"
#include "app/Gallery.h"
#include "dialogs/CAddProfileDlg.h"
#include "dialogs/CAttentionDlg.h"
#include "dialogs/CCheckFWDlg.h"
#include "dialogs/CColorPaletteDlg.h"
#include "dialogs/CDPIValueSettingDlg.h"
#include "dialogs/CDPIValueSyncSettingDlg.h"
#include "dialogs/CEditProfileDlg.h"
#include "dialogs/CFireKeyDlg.h"
#include "dialogs/CLaunchTargetsDlg.h"
#include "dialogs/CQuickLaunchDlg.h"
#include "dialogs/CFirmwareResetDlg.h"
#include "dialogs/CParingDlg.h"
#include "dialogs/CProgressBarDlg.h"
#include "dialogs/CActionKeyModifyDlg.h"
#include "dialogs/CActionTimeModifyDlg.h"
#include "dialogs/CActionXYModifyDlg.h"
#include "dialogs/CMacroKeyOrFolderNameDlg.h"
#include "dialogs/CMacroKeyRenameDlg.h"
#include "dialogs/CMacroManagerDlg.h"
#include "dialogs/CMacroSelectDlg.h"
#include "dialogs/CShortcutDlg.h"
#include "platform/KeyboardHookKeys.h"
#include "skin/CCheckButton.h"
#include "widgets/CEditShowList.h"
#include "widgets/CImageShowList.h"
#include "device/FirmwareTexts.h"
#include "lang/LanguageEntries.h"
#include "session/AppContext.h"
#include "session/DeviceSession.h"
#include "settings/DeviceDirtyFlags.h"
#include "skin/CCheckButton.h"
#include "skin/GuiState.h"
#include "skin/SkinScaling.h"

namespace corvane {

namespace {

// The firmware dialog in the stages of an update, its texts set as the update sets them
// (the check itself is not started: timer 1 is stopped before it fires).
void RenderFirmwareDialog(AppContext& ctx, GuiState& gui, DeviceSession& session, const GallerySink& sink) {
  const LanguageTable& lang = ctx.Language;
  struct Stage {
    const char* name;
    int status;          // language text of the status line; 0: empty
    int countedStep;     // with the loader's "(step/steps)"; 0: none
    int percentTenths;   // progress in tenths of a percent; -1: before the start
    bool deviceChecksum;
  };
  const Stage stages[] = {
      {"start", 0, 0, -1, false},
      {"loader", kTextFwLoaderProgress, 517, 0, true},
      {"writing", kTextFwWriting, 0, 423, true},
      {"done", kTextFwUpToDate, 0, 1000, true},
      {"failed", kTextWiredMouseNeeded, 0, 614, true},
  };
  for (const Stage& st : stages) {
    CCheckFWDlg dlg(gui, session);
    dlg.EnsureInitialized();
    dlg.KillTimer(CCheckFWDlg::kCheckTimer);
    const std::uint32_t imageChecksum = dlg.Images().ApplicationHeader.CS();
    // An older application until the mouse reports the carried one.
    constexpr std::uint32_t kOlderChecksum = 0x5A0C31E7;
    if (st.deviceChecksum)
      dlg.ShowDeviceChecksum(DeviceChecksumText(st.status == kTextFwUpToDate ? imageChecksum : kOlderChecksum));
    if (st.status) {
      std::u16string text = lang.Text(st.status);
      if (st.countedStep) text = CountedText(text, st.countedStep, 1419);
      dlg.ShowStatus(text);
    }
    if (st.percentTenths >= 0) dlg.ShowProgress(st.percentTenths, 1000, ProgressText(st.percentTenths, 1000, true));
    sink.Window(QString("dialog-CCheckFWDlg-%1").arg(st.name), dlg);
  }
}

// The pairing dialog before the start, waiting, paired and failed.
void RenderPairingDialog(GuiState& gui, DeviceSession& session, const GallerySink& sink) {
  const struct {
    const char* name;
    int text;
  } stages[] = {{"start", kTextPairingHint},
                {"waiting", kTextPairingPhase0 + 1},
                {"paired", kTextPairingSucceeded},
                {"failed", kTextPairingFailed}};
  for (const auto& st : stages) {
    CParingDlg dlg(gui, session);
    dlg.EnsureInitialized();
    dlg.ShowStatus(st.text);
    sink.Window(QString("dialog-CParingDlg-%1").arg(st.name), dlg);
  }
}

// The fire-key dialog empty and with a button's values, the quick-launch dialog before and
// after a program was chosen, and the question about an imported profile's launch targets.
void RenderButtonFunctionDialogs(GuiState& gui, const GallerySink& sink) {
  {
    CFireKeyDlg dlg(gui, nullptr);
    sink.Window("dialog-CFireKeyDlg", dlg);
  }
  {
    CFireKeyDlg dlg(gui, nullptr, ButtonValue{0x30, 0x32, 0x03});
    sink.Window("dialog-CFireKeyDlg-values", dlg);
  }
  {
    CQuickLaunchDlg dlg(gui, nullptr);
    sink.Window("dialog-CQuickLaunchDlg", dlg);
  }
  {
    CQuickLaunchDlg dlg(gui, nullptr);
    dlg.EnsureInitialized();
    dlg.SetChosenPath(QStringLiteral("/usr/share/applications/org.gnome.Calculator.desktop"));
    sink.Window("dialog-CQuickLaunchDlg-chosen", dlg);
  }
  const std::vector<LaunchTarget> targets = {{1, u"https://example.org/"},
                                             {3, u"/usr/bin/gnome-calculator"},
                                             {5, u"/home/user/scripts/a-rather-long-script-name-for-the-evening.sh"},
                                             {6, u"/usr/share/applications/firefox-esr.desktop"}};
  {
    CLaunchTargetsDlg dlg(gui, {targets[1]});
    sink.Window("dialog-CLaunchTargetsDlg-one", dlg);
  }
  {
    CLaunchTargetsDlg dlg(gui, targets);
    sink.Window("dialog-CLaunchTargetsDlg-four", dlg);
  }
}

// The macro manager empty, with a folder tree and a recorded macro, and recording; the
// five small dialogs; the picker; the key-combination dialog. The gallery's sample
// library is put aside meanwhile.
void RenderMacroDialogs(AppContext& ctx, GuiState& gui, const GallerySink& sink) {
  MacroLibrary sample = std::move(ctx.Macros);
  ctx.Macros = MacroLibrary();
  {
    CMacroManagerDlg dlg(ctx, gui);
    sink.Window("dialog-CMacroManagerDlg-empty", dlg);
  }
  MacroLibrary& lib = ctx.Macros;
  MacroLocation games, shooter, office, combo;
  lib.NewFolder(u"Games", games);
  shooter = games;
  lib.NewFolder(u"Shooter", shooter);
  MacroLocation burst = shooter;
  lib.NewMacro(u"Burst", burst);
  MacroLocation reload = games;
  lib.NewMacro(u"Reload", reload);
  lib.NewFolder(u"Office", office);
  lib.NewMacro(u"Copy line", combo);
  MacroItem& m = *lib.NodeAt(combo)->Item;
  const MacroAction steps[] = {MakeKeyStep(0x24, false), MakeDelayStep(31),       MakeKeyStep(0x24, true),
                               MakeDelayStep(58),        MakeKeyStep(0xA0, false), MakeDelayStep(12),
                               MakeKeyStep(0x23, false), MakeDelayStep(90),       MakeKeyStep(0x23, true),
                               MakeDelayStep(20),        MakeKeyStep(0xA0, true),  MakeDelayStep(50),
                               MakeKeyStep(0xA2, false), MakeKeyStep(0x43, false), MakeDelayStep(50),
                               MakeKeyStep(0x43, true),  MakeKeyStep(0xA2, true),  MakeMotionStep(0xE5, -12)};
  for (const MacroAction& a : steps) m.InsertAction(m.MacroActionNum, a);
  m.MacroCommandActionNum = 11;
  for (const bool recording : {false, true}) {
    CMacroManagerDlg dlg(ctx, gui);
    dlg.EnsureInitialized();
    lib.NodeAt(games)->MacroItemFolderIsOpen = 1;
    lib.NodeAt(shooter)->MacroItemFolderIsOpen = 1;
    lib.CurrentMacroLocation = combo;
    dlg.SelectionChanged();
    dlg.Steps()->SetSelectedRow(4);
    if (recording) {
      static_cast<CCheckButton*>(dlg.FindControl(CMacroManagerDlg::kIdRecord))->SetChecked(true);
      dlg.OnMessage(CMacroManagerDlg::kIdRecord, 0, kNotifyClick);
      std::uint32_t t = 1000;
      for (std::uint8_t key : {0x48, 0x49}) {
        dlg.OnMessage(kMsgKeyboardHook, key, HookLParam(false, t += 40));
        dlg.OnMessage(kMsgKeyboardHook, key, HookLParam(true, t += 85));
      }
    }
    sink.Window(recording ? "dialog-CMacroManagerDlg-recording" : "dialog-CMacroManagerDlg-library", dlg);
  }
  {
    CMacroSelectDlg dlg(ctx, gui);
    dlg.EnsureInitialized();
    lib.NodeAt(games)->MacroItemFolderIsOpen = 1;
    lib.CurrentMacroLocation = reload;
    dlg.Tree()->SyncSelection();
    sink.Window("dialog-CMacroSelectDlg", dlg);
  }
  ctx.Macros = std::move(sample);

  MacroAction key = MakeKeyStep(0x41, false), delay = MakeDelayStep(120), move = MakeMotionStep(0xE5, -5);
  {
    CActionKeyModifyDlg dlg(gui, key);
    sink.Window("dialog-CActionKeyModifyDlg", dlg);
  }
  {
    CActionTimeModifyDlg dlg(gui, delay);
    sink.Window("dialog-CActionTimeModifyDlg", dlg);
  }
  {
    CActionXYModifyDlg dlg(gui, move, 5);
    sink.Window("dialog-CActionXYModifyDlg", dlg);
  }
  {
    CMacroKeyOrFolderNameDlg dlg(gui, CMacroKeyOrFolderNameDlg::kFolder);
    sink.Window("dialog-CMacroKeyOrFolderNameDlg", dlg);
  }
  {
    CMacroKeyRenameDlg dlg(gui, u"Copy line");
    sink.Window("dialog-CMacroKeyRenameDlg", dlg);
  }
  {
    CShortcutDlg dlg(gui);
    dlg.EnsureInitialized();
    static_cast<CCheckButton*>(dlg.FindControl(CShortcutDlg::kIdCtrl))->SetChecked(true);
    static_cast<CCheckButton*>(dlg.FindControl(CShortcutDlg::kIdShift))->SetChecked(true);
    dlg.OnMessage(kMsgKeyboardHook, 0x41, 0);
    sink.Window("dialog-CShortcutDlg", dlg);
  }
}

}  // namespace

void RenderDialogs(AppContext& ctx, GuiState& gui, const GallerySink& sink) {
  {
    CAttentionDlg dlg(gui, u"", ctx.Language.Text(kTextNameEmpty));
    sink.Window("attention-CAttentionDlg", dlg);
  }
  {
    CAttentionDlg dlg(gui, u"", ctx.Language.Text(kTextAttentionTitle));
    sink.Window("attention-CAttentionDlg-long", dlg);
  }
  {
    // An upload the mouse did not take, as the main window reports it.
    CAttentionDlg dlg(gui, u"",
                      ctx.Language.Text(kTextUploadNotTaken) + u" ButtonMap, DpiLevels, DpiColours, PollingRate");
    sink.Window("attention-CAttentionDlg-upload", dlg);
  }
  {
    ProfileRecord scratch = ctx.Profiles[0];
    CAddProfileDlg dlg(ctx, gui, scratch);
    sink.Window("dialog-CAddProfileDlg", dlg);
  }
  {
    SettingPair name = ctx.Profiles[1].Settings[kSettingProfileName];
    CEditProfileDlg dlg(gui, name);
    sink.Window("dialog-CEditProfileDlg", dlg);
  }
  {
    CFirmwareResetDlg dlg(gui);
    sink.Window("dialog-CFirmwareResetDlg", dlg);
  }
  RenderButtonFunctionDialogs(gui, sink);
  {
    // A simulated cable mouse and receiver stand behind the device dialogs; nothing is
    // sent to them.
    DeviceSessionOptions options;
    options.simulate = std::vector<DeviceRole>{DeviceRole::Wired, DeviceRole::Receiver};
    options.noWait = true;
    std::string error;
    if (auto session = DeviceSession::Open(options, ctx.Config, error)) {
      RenderFirmwareDialog(ctx, gui, *session, sink);
      RenderPairingDialog(gui, *session, sink);
    }
  }
  {
    // The DPI value dialogs over the configured sensor's ladder, for level 2.
    const std::span<const std::int32_t> table(ctx.Dpi.DpiStepDisplay);
    DpiLevelSteps level{ctx.Profiles[0].XYSettingX[2], ctx.Profiles[0].XYSettingY[2]};
    CDPIValueSettingDlg single(gui, nullptr, table, ctx.Dpi.DpiStepCount, level);
    sink.Window("dialog-CDPIValueSettingDlg", single);
    for (const bool synced : {false, true}) {
      DpiLevelSteps xy{level.X, level.X + 4};
      CDPIValueSyncSettingDlg dlg(gui, nullptr, table, ctx.Dpi.DpiStepCount, xy);
      dlg.EnsureInitialized();
      if (auto* sync = dynamic_cast<CCheckButton*>(dlg.FindControl(CDPIValueSyncSettingDlg::kIdSync)))
        sync->SetChecked(synced);
      sink.Window(QString("dialog-CDPIValueSyncSettingDlg-%1").arg(synced ? "sync" : "nosync"), dlg);
    }
  }
  {
    ProfileRecord scratch = ctx.Profiles[0];
    DeviceDirtyFlags dirty;
    CColorPaletteDlg dlg(gui, nullptr, scratch, dirty, CColorPaletteDlg::Target::LightingSlot, 3, 1);
    sink.Window("dialog-CColorPaletteDlg", dlg);
  }
  RenderMacroDialogs(ctx, gui, sink);
  for (int progress : {0, 50, 100}) {
    CProgressBarDlg dlg(gui, ctx.Language.Text(kTextMainTitle), u"");
    dlg.EnsureInitialized();
    dlg.KillTimer(CProgressBarDlg::kStepTimer);
    dlg.SetProgress(progress);
    sink.Window(QString("progress-CProgressBarDlg-%1").arg(progress), dlg);
  }
  struct OsdSample {
    const char16_t* l1;
    const char16_t* l2;
    const char16_t* l3;
    const char* name;
  };
  const OsdSample samples[] = {{u"DPI-2", u"1600", u"1000Hz", "osd-COSDDialog-4digit"},
                               {u"DPI-8", u"26000", u"125Hz", "osd-COSDDialog-5digit"},
                               {u"DPI-1", u"400", u"8000Hz", "osd-COSDDialog-3digit"}};
  for (const auto& s : samples) {
    COSDDialog osd(gui);
    osd.setFixedSize(Scaled(gui.SkinScale, COSDDialog::kDesignWidth), Scaled(gui.SkinScale, COSDDialog::kDesignHeight));
    osd.SetLines(s.l1, s.l2, s.l3);
    sink(s.name, osd.grab().toImage());
  }
}

}  // namespace corvane
