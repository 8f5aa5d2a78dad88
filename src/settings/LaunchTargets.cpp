#include "settings/LaunchTargets.h"

#include "settings/ProfileTable.h"

namespace corvane {

std::vector<LaunchTarget> LaunchTargetsOf(const ProfileRecord& p) {
  std::vector<LaunchTarget> out;
  // Whatever the button's value: the mouse's launch request names a button, and the
  // program opens that button's target.
  for (int i = 0; i < kButtonCount; ++i) {
    const ButtonEntry& b = p.Buttons[static_cast<std::size_t>(i)];
    if (!b.URL.empty()) out.push_back({i, b.URL});
  }
  return out;
}

void ClearLaunchTargets(ProfileRecord& p) {
  for (ButtonEntry& b : p.Buttons) SetButtonURL(b, u"");
}

}  // namespace corvane
