#pragma once
// The programs, files and addresses a profile starts when the mouse asks for the target
// of one of its buttons. A profile read from a file someone else wrote must not start
// anything unasked: the front ends list these targets and keep them only when the user
// agrees.
#include <string>
#include <vector>

namespace corvane {

struct ProfileRecord;

struct LaunchTarget {
  int Button;  // 0..6
  std::u16string Target;
};

// The buttons of the profile that name something to start, in button order.
std::vector<LaunchTarget> LaunchTargetsOf(const ProfileRecord& p);

// Empties every button's target: each keeps its function and label, but pressing it
// starts nothing.
void ClearLaunchTargets(ProfileRecord& p);

}  // namespace corvane
