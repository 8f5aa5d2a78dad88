#pragma once
// The command line's way to open a quick-launch target: a program file is started
// directly, an existing document or folder and an address are handed to xdg-open. No
// shell is involved, a file that does not exist is not opened, and a program running as
// root starts nothing (a target in a profile file must not run with root's rights). The
// started process is detached; nothing waits for it.
#include <sys/types.h>

#include <string>
#include <vector>

#include "device/Launcher.h"

namespace corvane::cli {

class XdgLauncher final : public Launcher {
 public:
  void Open(const std::u16string& target) override;
};

// How a target is opened by a program running with effective user id user: the argument
// list of the process to start (empty: nothing).
std::vector<std::string> LaunchCommand(const std::u16string& target, uid_t user);

}  // namespace corvane::cli
