#include "device/WriteMacros.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "device/CommandSender.h"
#include "device/MacroEncoding.h"
#include "settings/ProfileTable.h"

namespace corvane {

namespace {

constexpr std::uint32_t kAfterClearPauseMs = 10;

MacroShadowBlock FirstPart(const MacroEncoding& encoding) {
  MacroShadowBlock block;
  std::copy_n(encoding.Block.begin(), block.size(), block.begin());
  return block;
}

bool IsMacroButton(const ButtonEntry& b) { return b.Value[0] == kButtonFamilyMacro; }

}  // namespace

bool WriteMacros(ProfileRecord& profile, DeviceShadow& shadow, CommandSender* sender) {
  bool rewrite = false;
  for (const ButtonEntry& button : profile.Buttons) {
    if (!IsMacroButton(button)) continue;
    const MacroShadowBlock fresh = FirstPart(EncodeMacroButton(button));
    MacroShadowBlock& held = shadow.Macros[button.Value[1] & 0x0F];
    if (held != fresh) rewrite = true;
    held = fresh;
  }
  if (!sender || !rewrite) return true;

  static constexpr std::array<std::uint8_t, 1> kClearAll{0xFF};
  const bool cleared = sender->Send(FeatureCommand::CmdMacroClear, kSinglePacket, kClearAll);
  sender->GetPause().Sleep(kAfterClearPauseMs);
  for (std::size_t s = 0; s < kMacroClearedSlots; ++s) shadow.Macros[s].fill(0);

  bool allTaken = cleared;
  // Slots whose macro the device did not take completely.
  std::array<bool, kMacroSlotCount> incomplete{};
  for (std::size_t i = 0; i < profile.Buttons.size(); ++i) {
    const ButtonEntry& button = profile.Buttons[i];
    if (!IsMacroButton(button)) continue;
    const std::uint8_t slot = button.Value[1] & 0x0F;
    const MacroEncoding encoding = EncodeMacroButton(button);
    const MacroShadowBlock fresh = FirstPart(encoding);
    MacroShadowBlock& held = shadow.Macros[slot];
    if (held == fresh) continue;  // a second button sharing the slot: already written
    held = fresh;

    const std::uint32_t actions = std::max<std::uint32_t>(button.Macro.MacroCommandActionNum, encoding.ActionCount);
    const auto packets = BuildMacroDataPackets(held, slot, button.Macro.MacroCommandActionNum);
    if (actions > kMacroStoreMaxActions || packets.empty()) {
      sender->Report().Problems.push_back(
          {UploadProblemKind::MacroTooLong, FeatureCommand::CmdMacroData, 0, static_cast<int>(i), actions});
      allTaken = false;
      continue;
    }
    for (const MacroDataPacket& packet : packets) {
      if (!sender->Send(FeatureCommand::CmdMacroData, packet.Position, packet.Payload)) {
        incomplete[slot] = true;
        allTaken = false;
      }
    }
  }
  // What the device did not take is not recorded as held: the next upload finds the
  // difference and rewrites the store.
  for (std::size_t s = 0; s < kMacroSlotCount; ++s) {
    if (!cleared && s < kMacroClearedSlots) shadow.Macros[s].fill(0);
    if (incomplete[s]) shadow.Macros[s].fill(0);
  }
  return allTaken;
}

}  // namespace corvane
