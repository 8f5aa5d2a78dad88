#include "dialogs/CAddProfileDlg.h"

#include <QLineEdit>

#include "session/AppContext.h"

namespace corvane {

namespace {
constexpr int kTextAddTitle = 141;
}  // namespace

CAddProfileDlg::CAddProfileDlg(AppContext& ctx, ProfileRecord& record, QWidget* parent)
    : CProfileNameDlg(ctx, parent), record_(record) {}

void CAddProfileDlg::InitUI(const CRect&) { AddNameControls(kTextAddTitle, 420, {15, 65, 415, 87}, u""); }

void CAddProfileDlg::StoreName(const std::u16string& name) {
  AppContext& ctx = Context();
  ctx.Config.SetProfileShowCount(ctx.Config.GetProfileShowCount() + 1);
  // The slot number only chooses the default name, which the typed name replaces.
  int slot = 0;
  for (int p = 0; p < static_cast<int>(ctx.Profiles.Records.size()); ++p)
    if (&ctx.Profiles[p] == &record_) slot = p;
  ResetProfileToDefaults(record_, slot, ctx.Language, ctx.Dpi.SensorId);
  record_.SetProfileName(name);
}

}  // namespace corvane
