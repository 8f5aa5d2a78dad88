#pragma once
// The command line's way to open a quick-launch target: a program file is started
// directly, anything else (a document, a folder, an address) is handed to xdg-open.
// The started process is detached; nothing waits for it.
#include <string>
#include <vector>

#include "device/Launcher.h"

namespace corvane::cli {

class XdgLauncher final : public Launcher {
 public:
  void Open(const std::u16string& target) override;
};

// How a target is opened: the argument list of the process to start (empty: nothing).
std::vector<std::string> LaunchCommand(const std::u16string& target);

}  // namespace corvane::cli
