#pragma once
#include "dialogs/CProfileNameDlg.h"

namespace corvane {

// Asks for the name of a new profile; OK resets the given record to its defaults with
// that name and shows one more profile in the list ("ProfileShowCount" + 1).
class CAddProfileDlg : public CProfileNameDlg {
  Q_OBJECT

 public:
  CAddProfileDlg(AppContext& ctx, ProfileRecord& record, QWidget* parent = nullptr);
  void InitUI(const CRect& client) override;

 protected:
  void StoreName(const std::u16string& name) override;

 private:
  ProfileRecord& record_;
};

}  // namespace corvane
