#pragma once
// Opens the target of a quick-launch button: a program is started, a document or an
// address is opened with the desktop's default application. The core only decides what
// to open; each front end supplies how.
#include <string>

namespace corvane {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Failures stay inside (the mouse's button simply does nothing).
  virtual void Open(const std::u16string& target) = 0;
};

}  // namespace corvane
