#pragma once
#include "dialogs/CProfileNameDlg.h"

namespace corvane {

struct AppContext;

// Asks for the name of a new profile; OK resets the given record to its defaults with
// that name and shows one more profile in the list ("ProfileShowCount" + 1).
class CAddProfileDlg : public CProfileNameDlg {
  Q_OBJECT

 public:
  // record: one of ctx's profiles.
  CAddProfileDlg(AppContext& ctx, GuiState& gui, ProfileRecord& record, QWidget* parent = nullptr);
  void InitUI(const CRect& client) override;

 protected:
  void StoreName(const std::u16string& name) override;

 private:
  AppContext& ctx_;
  ProfileRecord& record_;
};

}  // namespace corvane
