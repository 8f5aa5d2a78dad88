// The dialogs of the toolkit and the on-screen display.
#include "app/COSDDialog.h"
#include "app/Gallery.h"
#include "dialogs/CAddProfileDlg.h"
#include "dialogs/CAttentionDlg.h"
#include "dialogs/CEditProfileDlg.h"
#include "dialogs/CFirmwareResetDlg.h"
#include "dialogs/CProgressBarDlg.h"
#include "lang/LanguageEntries.h"
#include "session/AppContext.h"
#include "skin/GuiState.h"
#include "skin/SkinScaling.h"

namespace corvane {

namespace {

QImage Shoot(CDlgBase& dlg) {
  dlg.EnsureInitialized();
  return dlg.grab().toImage();
}

}  // namespace

void RenderDialogs(AppContext& ctx, GuiState& gui, const GallerySink& sink) {
  {
    CAttentionDlg dlg(gui, u"", ctx.Language.Text(kTextNameEmpty));
    sink("attention-CAttentionDlg", Shoot(dlg));
  }
  {
    CAttentionDlg dlg(gui, u"", ctx.Language.Text(kTextAttentionTitle));
    sink("attention-CAttentionDlg-long", Shoot(dlg));
  }
  {
    ProfileRecord scratch = ctx.Profiles[0];
    CAddProfileDlg dlg(ctx, gui, scratch);
    sink("dialog-CAddProfileDlg", Shoot(dlg));
  }
  {
    SettingPair name = ctx.Profiles[1].Settings[kSettingProfileName];
    CEditProfileDlg dlg(gui, name);
    sink("dialog-CEditProfileDlg", Shoot(dlg));
  }
  {
    CFirmwareResetDlg dlg(gui);
    sink("dialog-CFirmwareResetDlg", Shoot(dlg));
  }
  for (int progress : {0, 50, 100}) {
    CProgressBarDlg dlg(gui, ctx.Language.Text(kTextMainTitle), u"");
    dlg.EnsureInitialized();
    dlg.KillTimer(CProgressBarDlg::kStepTimer);
    dlg.SetProgress(progress);
    sink(QString("progress-CProgressBarDlg-%1").arg(progress), dlg.grab().toImage());
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
