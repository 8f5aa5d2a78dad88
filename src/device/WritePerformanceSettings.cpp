#include <algorithm>
#include <array>

#include "device/CommandSender.h"
#include "device/DevicePayloads.h"
#include "device/DeviceWriters.h"
#include "settings/ProfileTable.h"

namespace corvane {

namespace {

bool SendByte(CommandSender& sender, FeatureCommand command, std::uint8_t value) {
  const std::array<std::uint8_t, 1> payload{value};
  return sender.Send(command, kSinglePacket, payload);
}

// Records fresh unless it changed and the device did not take it.
template <typename T>
bool Commit(T& held, const T& fresh, bool changed, bool taken) {
  if (changed && !taken) return false;
  held = fresh;
  return true;
}

}  // namespace

bool WritePerformanceSettings(const ProfileRecord& profile, const DpiStepTables& dpi, DeviceShadow& shadow,
                              CommandSender& sender) {
  if (!sender.HasInterface()) return false;
  const std::uint8_t polling = BuildPollingCode(profile);
  const std::uint8_t lift = BuildLiftCode(profile);
  const std::uint8_t debounce = BuildDebounceCode(profile);
  const DpiBlock dpiBlock = BuildDpiBlock(profile, dpi);
  const ColourBlock colours = BuildColourBlock(profile);
  const LightingBlock lighting = BuildLightingBlock(profile);

  const bool pollingChanged = polling != shadow.Polling;
  const bool liftChanged = lift != shadow.Lift;
  const bool debounceChanged = debounce != shadow.Debounce;
  const bool dpiChanged = dpiBlock != shadow.Dpi;
  // The device shows the level colours anew after its levels change.
  const bool coloursChanged = colours != shadow.Colours || dpiChanged;
  const bool lightingChanged =
      !std::equal(lighting.begin(), lighting.begin() + kLightingComparedSize, shadow.Lighting.begin());

  bool dpiTaken = true;
  if (dpiChanged) {
    const bool x = sender.Send(FeatureCommand::CmdDpiLevels, kDpiPacketPositionX,
                               BuildDpiPacketPayload(dpiBlock, DpiAxis::X));
    const bool y = sender.Send(FeatureCommand::CmdDpiLevels, kDpiPacketPositionY,
                               BuildDpiPacketPayload(dpiBlock, DpiAxis::Y));
    dpiTaken = x && y;
  }
  const bool coloursTaken = !coloursChanged || sender.Send(FeatureCommand::CmdDpiColours, kSinglePacket, colours);
  const bool pollingTaken = !pollingChanged || SendByte(sender, FeatureCommand::CmdPollingRate, polling);
  const bool liftTaken = !liftChanged || SendByte(sender, FeatureCommand::CmdLiftOff, lift);
  const bool debounceTaken = !debounceChanged || SendByte(sender, FeatureCommand::CmdKeyDebounce, debounce);
  const bool lightingTaken = !lightingChanged || sender.Send(FeatureCommand::CmdLighting, kSinglePacket, lighting);

  bool all = Commit(shadow.Dpi, dpiBlock, dpiChanged, dpiTaken);
  all = Commit(shadow.Colours, colours, coloursChanged, coloursTaken) && all;
  all = Commit(shadow.Polling, polling, pollingChanged, pollingTaken) && all;
  all = Commit(shadow.Lift, lift, liftChanged, liftTaken) && all;
  all = Commit(shadow.Debounce, debounce, debounceChanged, debounceTaken) && all;
  all = Commit(shadow.Lighting, lighting, lightingChanged, lightingTaken) && all;
  return all;
}

}  // namespace corvane
