// The profile menu's actions, run by timer 60 after the menu has closed (and at once by
// the buttons beside the tabs): import, export, edit, delete, add, and the attention for
// a sixth profile.
#include <filesystem>

#include <QDir>
#include <QFileDialog>

#include "app/CCorvaneDlg.h"
#include "app/MainWindowLayout.h"
#include "dialogs/CAddProfileDlg.h"
#include "dialogs/CEditProfileDlg.h"
#include "dialogs/CLaunchTargetsDlg.h"
#include "lang/LanguageEntries.h"
#include "session/ConfigSave.h"
#include "settings/ConfigTable.h"
#include "settings/LaunchTargets.h"
#include "settings/ProfileFile.h"
#include "settings/ProfileTable.h"

namespace corvane {

namespace {

constexpr int kProfileActionDelayMs = 100;
const QString kProfileFilter = QStringLiteral("psf file(*.psf)");

// The file dialogs of import and export: the working directory, ".psf" as the name,
// "psf" added to a name without a suffix.
QString ChooseProfileFile(QWidget* owner, const std::u16string& title, bool save) {
  QFileDialog dialog(owner, QString::fromStdU16String(title), QDir::currentPath(), kProfileFilter);
  dialog.setDefaultSuffix(QStringLiteral("psf"));
  dialog.selectFile(QStringLiteral(".psf"));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

}  // namespace

void CCorvaneDlg::RequestProfileAction(ProfileAction action, int profile) {
  pendingProfileAction_ = action;
  pendingProfileIndex_ = profile;
  SetTimer(kTimerProfileAction, kProfileActionDelayMs);
}

void CCorvaneDlg::RunProfileAction() { RunProfileAction(pendingProfileAction_, pendingProfileIndex_); }

void CCorvaneDlg::RunProfileAction(ProfileAction action, int p) {
  AppContext& app = App();
  if (p < 0 || p >= kProfileCount) return;
  switch (action) {
    case ProfileAction::Import:
      ImportProfile(p);
      return;
    case ProfileAction::Export: {
      const QString file = ChooseProfileFile(this, app.Language.Text(kTextExportProfileTitle), true);
      if (file.isEmpty()) return;
      WriteProfileFile(app.Profiles[p], std::filesystem::path(file.toStdString()));
      return;
    }
    case ProfileAction::Edit: {
      CEditProfileDlg dialog(Gui(), app.Profiles[p].Settings[kSettingProfileName], this);
      if (dialog.DoModal() == IDOK) SaveAndShow();
      return;
    }
    case ProfileAction::Delete:
      if (p == app.Config.CurrentProfileSlot()) {
        ShowAttention(kTextCannotDeleteCurrent);
        return;
      }
      // The record stays as it is; it comes back when the profile is added again.
      if (app.Config.HideProfile(p)) SaveAndShow();
      return;
    case ProfileAction::Add: {
      const int hidden = app.Config.FirstHiddenProfile();
      if (hidden < 0) return;
      CAddProfileDlg dialog(app, Gui(), app.Profiles[hidden], this);
      if (dialog.DoModal() == IDOK) SaveAndShow();
      return;
    }
    case ProfileAction::Limit:
      ShowAttention(kTextProfileLimit);
      return;
  }
}

void CCorvaneDlg::ImportProfile(int p) {
  AppContext& app = App();
  const QString file = ChooseProfileFile(this, app.Language.Text(kTextImportProfileTitle), false);
  if (file.isEmpty()) return;
  ReadProfileFile(app, app.Language, p, std::filesystem::path(file.toStdString()));
  // A profile file from elsewhere starts nothing unless the user agrees: declined, the
  // buttons keep their function with nothing to start.
  if (const std::vector<LaunchTarget> targets = LaunchTargetsOf(app.Profiles[p]); !targets.empty()) {
    CLaunchTargetsDlg ask(Gui(), targets, this);
    if (ask.DoModal() != IDOK) ClearLaunchTargets(app.Profiles[p]);
  }
  SaveAndShow();
}

void CCorvaneDlg::SaveAndShow() {
  // config.ini and the five profile files now, through the same save the timer runs.
  upload_.ConfigSavePending = 1;
  SaveStoredFiles(false);
  ShowCurrentProfile(*this, App(), Gui());
}

}  // namespace corvane
