#include "device/CommandSender.h"
#include "device/DevicePayloads.h"
#include "device/DeviceWriters.h"
#include "settings/ProfileTable.h"

namespace corvane {

bool WriteButtonMap(const ProfileRecord& profile, DeviceShadow& shadow, CommandSender& sender) {
  if (!sender.HasInterface()) return false;
  // New button functions may point at other macro slots: have every macro rewritten.
  shadow.ClearMacros();
  const ButtonBlock fresh = BuildButtonBlock(profile);
  if (fresh == shadow.Buttons) return true;
  if (!sender.Send(FeatureCommand::CmdButtonMap, kSinglePacket, BuildButtonMapPayload(fresh))) return false;
  shadow.Buttons = fresh;
  return true;
}

}  // namespace corvane
