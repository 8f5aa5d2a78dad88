#pragma once
// The per-application profiles: a list of applications (window classes) with the profile
// the mouse takes while one of their windows is active, a remove button on each row, and
// a line to add one: the class typed or taken from the active window ("use the active
// window" waits a few seconds for the user to click the application), the profile chosen
// by clicking through the shown profiles, then "Add". Every change is saved at once to
// the map's file. Where the active window cannot be followed (Wayland) the dialog says so
// and offers nothing else.
#include <functional>

#include <QString>

#include "dialogs/CSecondaryDlg.h"
#include "settings/AutoSwitchMap.h"

class QTimer;

namespace corvane {

struct AppContext;

class CAutoSwitchDlg : public CSecondaryDlg {
  Q_OBJECT

 public:
  static constexpr int kRows = 8;
  static constexpr int kPickDelayMs = 3000;
  // Control ids: rows r is first + r.
  static constexpr unsigned kIdClassFirst = 3700;
  static constexpr unsigned kIdProfileFirst = 3710;
  static constexpr unsigned kIdRemoveFirst = 3720;
  static constexpr unsigned kIdProfileChoice = 3730;
  static constexpr unsigned kIdAdd = 3731;
  static constexpr unsigned kIdPick = 3732;
  static constexpr unsigned kIdStatus = 3733;
  static constexpr unsigned kIdNote = 3734;

  // activeClass: the active window's class now; empty where it cannot be known, which
  // shows the dialog's "not available" form.
  CAutoSwitchDlg(AppContext& app, GuiState& gui, std::function<QString()> activeClass, QWidget* parent = nullptr);

  void InitUI(const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;

  const AutoSwitchMap& Map() const { return map_; }
  int ChosenProfile() const { return chosen_; }
  // What the buttons do, callable from tests: Add takes the edit box's class and the
  // chosen profile; Pick starts the delay, FinishPick ends it at once.
  void Add();
  void Remove(int row);
  void NextProfile();
  void Pick();
  void FinishPick();

 private:
  void Refresh();
  void SetStatus(const std::u16string& text);
  bool Save();
  std::u16string ProfileName(int slot) const;

  AppContext& app_;
  std::function<QString()> activeClass_;
  AutoSwitchMap map_;
  int chosen_ = 0;
  QTimer* pickTimer_ = nullptr;
};

}  // namespace corvane
