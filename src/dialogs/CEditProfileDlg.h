#pragma once
#include "dialogs/CProfileNameDlg.h"

namespace corvane {

// Renames a profile: OK replaces the value of its name setting.
class CEditProfileDlg : public CProfileNameDlg {
  Q_OBJECT

 public:
  CEditProfileDlg(GuiState& gui, SettingPair& nameSetting, QWidget* parent = nullptr);
  void InitUI(const CRect& client) override;

 protected:
  void StoreName(const std::u16string& name) override;

 private:
  SettingPair& name_;
};

}  // namespace corvane
