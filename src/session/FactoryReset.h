#pragma once
// The factory reset, as the reset button and corvanectl reset do it: the mouse returns to
// its factory settings, and the current profile to its defaults (keeping its name) and
// is written to its slot file. A reset the mouse did not take leaves the profile alone,
// since the profile would otherwise claim defaults the mouse does not have.
#include <filesystem>
#include <functional>
#include <string>

#include "device/FeatureTransport.h"

namespace corvane {

struct AppContext;
struct ProfileRecord;
class DeviceLink;

struct FactoryResetResult {
  SendResult Sent = SendResult::NoDevice;  // the reset command; anything but Acknowledged changed nothing
  int Profile = 0;                         // the profile reset
  std::u16string Name;                     // its name, kept
  std::filesystem::path SlotFile;          // where it was written
  bool ProfileWritten = false;
  std::string WriteError;                  // why it was not written

  bool Done() const { return Sent == SendResult::Acknowledged && ProfileWritten; }
};

// Writes the reset profile to its slot file; the caller's own save (corvanectl's takes the
// data folder's lock and checks for other programs' changes).
using ProfileWrite = std::function<bool(const ProfileRecord&, const std::filesystem::path&, std::string* why)>;

FactoryResetResult ResetMouseAndProfile(AppContext& ctx, DeviceLink& link, const ProfileWrite& write);

}  // namespace corvane
