#pragma once
// The two profile name dialogs share their frame, buttons, edit box, keys and the
// refusal of an empty name; they differ in title, edit box place and what OK stores.
#include "dialogs/CSecondaryDlg.h"
#include "settings/ProfileTable.h"
#include "settings/SettingPair.h"

namespace corvane {

class CProfileNameDlg : public CSecondaryDlg {
  Q_OBJECT

 public:
  CProfileNameDlg(GuiState& gui, QWidget* parent);

  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;
  // The OK action: stores a non-empty name and ends with IDOK; an empty one is refused
  // with the attention box and the dialog stays open.
  void RunOk();
  std::u16string TypedName() const;

 protected:
  // The cross, OK, Cancel, the title (language entry titleEntry, ending at titleRight)
  // and the edit box holding name, in this order.
  void AddNameControls(int titleEntry, int titleRight, const CRect& edit, const std::u16string& name);
  // Stores the typed (non-empty) name.
  virtual void StoreName(const std::u16string& name) = 0;
  bool PreTranslateKey(QKeyEvent* event) override;

 private:
  LRESULT OnOk(WPARAM wParam, LPARAM lParam);
};

}  // namespace corvane
