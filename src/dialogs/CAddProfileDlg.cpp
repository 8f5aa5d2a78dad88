#include "dialogs/CAddProfileDlg.h"

#include "lang/LanguageEntries.h"
#include "session/AppContext.h"

namespace corvane {

CAddProfileDlg::CAddProfileDlg(AppContext& ctx, GuiState& gui, ProfileRecord& record, QWidget* parent)
    : CProfileNameDlg(gui, parent), ctx_(ctx), record_(record) {}

void CAddProfileDlg::InitUI(const CRect&) { AddNameControls(kTextAddProfileTitle, 420, {15, 65, 415, 87}, u""); }

void CAddProfileDlg::StoreName(const std::u16string& name) {
  ctx_.Config.SetProfileShowCount(ctx_.Config.GetProfileShowCount() + 1);
  // The slot number only chooses the default name, which the typed name replaces.
  int slot = 0;
  for (int p = 0; p < static_cast<int>(ctx_.Profiles.Records.size()); ++p)
    if (&ctx_.Profiles[p] == &record_) slot = p;
  ResetProfileToDefaults(record_, slot, ctx_.Language, ctx_.Dpi.SensorId);
  record_.SetProfileName(name);
}

}  // namespace corvane
