#include "dialogs/CAutoSwitchDlg.h"

#include <QLineEdit>
#include <QTimer>

#include "base/TextUtil.h"
#include "lang/LanguageEntries.h"
#include "session/AppContext.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileTable.h"
#include "skin/CStaticText.h"
#include "skin/GuiState.h"

namespace corvane {
namespace {

constexpr int kWidth = 528;
constexpr int kHeight = 365;
constexpr int kRowTop = 66;
constexpr int kRowStep = 25;

}  // namespace

CAutoSwitchDlg::CAutoSwitchDlg(AppContext& app, GuiState& gui, std::function<QString()> activeClass, QWidget* parent)
    : CSecondaryDlg(gui, parent, kWidth, kHeight, u"skins\\Frame_Macro_Manager.bmp"),
      app_(app),
      activeClass_(std::move(activeClass)),
      map_(LoadAutoSwitchMap(AutoSwitchFilePath(app.DataFolder))) {
  chosen_ = app_.Config.ShownPositions() > 0 ? app_.Config.GetProfileShowList(0) : 0;
}

std::u16string CAutoSwitchDlg::ProfileName(int slot) const {
  if (slot < 0 || slot >= kProfileCount) return {};
  std::u16string name = app_.Profiles[slot].ProfileName();
  return name.empty() ? DefaultProfileName(app_.Language, slot) : name;
}

void CAutoSwitchDlg::InitUI(const CRect&) {
  const LanguageTable& language = Gui().Language;
  AddCloseButton(503, 4, 518, 19);
  AddText(kIdTitle, 10, 5, 480, 23, language.Text(kTextAutoSwitchTitle), kTextGrey, DT_LEFT);
  if (!activeClass_) {
    AddText(kIdNote, 20, 60, 508, 140, language.Text(kTextAutoSwitchWayland), kTextWhite, DT_LEFT | DT_WORDBREAK);
    return;
  }
  AddText(0, 20, 40, 300, 60, language.Text(kTextAutoSwitchApplication), kTextGrey, DT_LEFT);
  AddText(0, 310, 40, 440, 60, language.Text(kTextAutoSwitchProfile), kTextGrey, DT_LEFT);
  for (int r = 0; r < kRows; ++r) {
    const int y = kRowTop + kRowStep * r;
    const auto ru = static_cast<unsigned>(r);
    AddText(kIdClassFirst + ru, 20, y, 302, y + 21, u"", kTextWhite, DT_LEFT | DT_END_ELLIPSIS);
    AddText(kIdProfileFirst + ru, 310, y, 440, y + 21, u"", kTextWhite, DT_LEFT | DT_END_ELLIPSIS);
    AddTextButton(kIdRemoveFirst + ru, 448, y, 512, y + 21, kTextAutoSwitchRemove);
  }
  AddEdit(20, 276, 260, 298, u"");
  AddTextButton(kIdProfileChoice, 270, 276, 404, 298, kTextAutoSwitchProfile);
  AddTextButton(kIdAdd, 414, 276, 512, 298, kTextAutoSwitchAdd);
  AddTextButton(kIdPick, 20, 306, 260, 328, kTextAutoSwitchPick);
  AddText(kIdStatus, 270, 306, 512, 328, u"", kTextWhite, DT_LEFT | DT_END_ELLIPSIS);
  AddText(kIdNote, 20, 336, 512, 358, language.Text(kTextAutoSwitchDefault), kTextGrey, DT_LEFT | DT_END_ELLIPSIS);
  pickTimer_ = new QTimer(this);
  pickTimer_->setSingleShot(true);
  connect(pickTimer_, &QTimer::timeout, this, [this] { FinishPick(); });
  Refresh();
}

void CAutoSwitchDlg::Refresh() {
  const auto& entries = map_.Entries();
  for (int r = 0; r < kRows; ++r) {
    const auto ru = static_cast<unsigned>(r);
    const bool used = r < static_cast<int>(entries.size());
    const auto& e = used ? entries[static_cast<std::size_t>(r)] : AutoSwitchEntry{};
    if (CControlBase* c = FindControl(kIdClassFirst + ru)) c->SetText(U16(e.WindowClass));
    if (CControlBase* c = FindControl(kIdProfileFirst + ru)) c->SetText(used ? ProfileName(e.Profile) : u"");
    if (CControlBase* c = FindControl(kIdRemoveFirst + ru)) c->SetShow(used);
  }
  if (CControlBase* c = FindControl(kIdProfileChoice)) c->SetText(ProfileName(chosen_));
  // A full list takes no more rows here (corvanectl autoswitch still can).
  if (CControlBase* c = FindControl(kIdAdd)) c->SetDisabled(static_cast<int>(entries.size()) >= kRows);
  update();
}

void CAutoSwitchDlg::SetStatus(const std::u16string& text) {
  if (CControlBase* c = FindControl(kIdStatus)) c->SetText(text);
  update();
}

bool CAutoSwitchDlg::Save() {
  if (SaveAutoSwitchMap(map_, AutoSwitchFilePath(app_.DataFolder))) return true;
  // Said, not hidden: the list shown would otherwise not be the one the program follows.
  map_ = LoadAutoSwitchMap(AutoSwitchFilePath(app_.DataFolder));
  ShowAttention(kTextAutoSwitchSaveFailed);
  return false;
}

void CAutoSwitchDlg::Add() {
  if (!Edit()) return;
  const std::string windowClass = Edit()->text().trimmed().toStdString();
  const bool full = static_cast<int>(map_.Entries().size()) >= kRows && !map_.ProfileFor(windowClass);
  if (windowClass.empty() || full) return;
  if (!map_.Set(windowClass, chosen_)) return;
  if (Save()) Edit()->clear();
  Refresh();
}

void CAutoSwitchDlg::Remove(int row) {
  const auto& entries = map_.Entries();
  if (row < 0 || row >= static_cast<int>(entries.size())) return;
  map_.Remove(std::string(entries[static_cast<std::size_t>(row)].WindowClass));
  Save();
  Refresh();
}

void CAutoSwitchDlg::NextProfile() {
  const ConfigTable& config = app_.Config;
  const int shown = config.ShownPositions();
  if (shown == 0) return;
  int position = 0;
  for (int i = 0; i < shown; ++i)
    if (config.GetProfileShowList(i) == chosen_) position = i;
  chosen_ = config.GetProfileShowList((position + 1) % shown);
  Refresh();
}

void CAutoSwitchDlg::Pick() {
  if (!pickTimer_) return;
  SetStatus(Gui().Language.Text(kTextAutoSwitchPicking));
  pickTimer_->start(kPickDelayMs);
}

void CAutoSwitchDlg::FinishPick() {
  if (pickTimer_) pickTimer_->stop();
  SetStatus(u"");
  if (!activeClass_ || !Edit()) return;
  const QString windowClass = activeClass_();
  if (!windowClass.isEmpty()) Edit()->setText(windowClass);
}

LRESULT CAutoSwitchDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  if (lParam != kNotifyClick) return 0;
  if (msg == kIdClose) return OnCloseOrCancel(wParam, lParam);
  if (msg == kIdAdd) Add();
  if (msg == kIdProfileChoice) NextProfile();
  if (msg == kIdPick) Pick();
  if (msg >= kIdRemoveFirst && msg < kIdRemoveFirst + kRows) Remove(static_cast<int>(msg - kIdRemoveFirst));
  return 0;
}

}  // namespace corvane
