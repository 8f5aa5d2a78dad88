#include "device/MacroEncoding.h"

#include <algorithm>

#include "device/DeviceConstants.h"
#include "settings/KeyTables.h"
#include "settings/MacroItem.h"
#include "settings/ProfileTable.h"

namespace corvane {

namespace {

// How a translated key code becomes a device action.
enum class Byte2Rule : std::uint8_t { Usage, Bit, StepAmount };

struct UsageRange {
  std::uint8_t First;
  std::uint8_t Last;
  MacroActionKind Kind;
  Byte2Rule Byte2;
};

// The table yields 0xE0..0xE7 for the modifier keys and 0x91 for one key the device
// plays as a modifier; 0xF0..0xF7 are the program's mouse steps.
constexpr std::array<UsageRange, 6> kUsageRanges{{
    {0x00, 0x90, MacroActionKind::Key, Byte2Rule::Usage},
    {0x91, 0xE7, MacroActionKind::Modifier, Byte2Rule::Bit},
    {0xF0, 0xF4, MacroActionKind::MouseButton, Byte2Rule::Bit},
    {0xF5, 0xF5, MacroActionKind::MoveX, Byte2Rule::StepAmount},
    {0xF6, 0xF6, MacroActionKind::MoveY, Byte2Rule::StepAmount},
    {0xF7, 0xF7, MacroActionKind::Wheel, Byte2Rule::StepAmount},
}};

const UsageRange* RangeOf(std::uint8_t usage) {
  for (const auto& r : kUsageRanges)
    if (usage >= r.First && usage <= r.Last) return &r;
  return nullptr;
}

bool IsFoldedDelay(const MacroAction& step) { return step.bytes[0] == kMacroDelayCode; }

}  // namespace

MacroActionKind KindOfUsage(std::uint8_t usage) {
  const UsageRange* r = RangeOf(usage);
  return r ? r->Kind : MacroActionKind::Other;
}

MacroDeviceAction EncodeMacroAction(const MacroAction& step, std::uint32_t delayMs) {
  const std::uint32_t delay = std::min(delayMs, kMaxActionDelayMs);
  const std::uint8_t usage = KeyUsage(step.bytes[0]);
  const UsageRange* r = RangeOf(usage);
  const auto kind = r ? r->Kind : MacroActionKind::Other;
  std::uint8_t byte2 = usage;
  if (r && r->Byte2 == Byte2Rule::Bit) byte2 = static_cast<std::uint8_t>(1u << (usage & 7));
  if (r && r->Byte2 == Byte2Rule::StepAmount) byte2 = step.bytes[3];
  return {static_cast<std::uint8_t>(((delay >> 8) & 0x0F) | (step.bytes[1] & kMacroReleaseBit) |
                                    (static_cast<unsigned>(kind) << 4)),
          static_cast<std::uint8_t>(delay & 0xFF), byte2};
}

MacroEncoding EncodeMacroButton(const ButtonEntry& button) {
  MacroEncoding out;
  const MacroItem& macro = button.Macro;
  // Laid out like the macro frames it becomes: report 9, the macro family.
  out.Block[0] = kReportCommand;
  out.Block[1] = kButtonFamilyMacro;
  out.Block[2] = static_cast<std::uint8_t>(button.Value[1] & 0x0F);
  out.Block[3] = macro.MacroCommandActionNum;
  // A count past the step array (a garbled library) reads only the steps that exist.
  const std::uint32_t steps = std::min(macro.MacroActionNum, MacroItem::kMaxActions);
  std::size_t at = kMacroActionsOffset;
  for (std::uint32_t s = 0; s < steps; ++s) {
    const MacroAction step = macro.GetAction(s);
    if (IsFoldedDelay(step)) continue;
    std::uint32_t delay = 0;
    if (s + 1 < steps && IsFoldedDelay(macro.GetAction(s + 1))) delay = DelayOf(macro.GetAction(s + 1));
    const MacroDeviceAction action = EncodeMacroAction(step, delay);
    std::copy(action.begin(), action.end(), out.Block.begin() + static_cast<std::ptrdiff_t>(at));
    at += action.size();
    ++out.ActionCount;
  }
  return out;
}

std::vector<MacroDataPacket> BuildMacroDataPackets(const MacroShadowBlock& block, std::uint8_t slot,
                                                   std::uint32_t commandActions) {
  const std::size_t total = std::size_t{commandActions} * 3;
  const std::size_t count = std::max<std::size_t>(1, (total + kMacroPacketDataBytes - 1) / kMacroPacketDataBytes);
  if (count > kMacroMaxPackets) return {};
  std::vector<MacroDataPacket> packets(count);
  std::size_t remaining = total;
  for (std::size_t k = 0; k < count; ++k) {
    MacroDataPacket& p = packets[k];
    p.Position = static_cast<std::uint8_t>((k << 4) | (count & 0x0F));
    const std::size_t take = std::min(remaining, kMacroPacketDataBytes);
    p.Payload[0] = static_cast<std::uint8_t>(remaining > kMacroPacketDataBytes ? kMacroPacketDataBytes + 1 : remaining + 1);
    p.Payload[1] = slot;
    std::copy_n(block.begin() + static_cast<std::ptrdiff_t>(kMacroActionsOffset + kMacroPacketDataBytes * k),
                kMacroPacketDataBytes, p.Payload.begin() + 2);
    remaining -= take;
  }
  return packets;
}

}  // namespace corvane
