// A macro's device actions and its CmdMacroData packets.
#include "device/MacroEncoding.h"

#include <gtest/gtest.h>

#include <vector>

#include "settings/KeyTables.h"
#include "settings/MacroItem.h"
#include "settings/ProfileTable.h"
#include "support/HexBytes.h"

namespace corvane {
namespace {

using testing::HexBytes;

std::vector<std::uint8_t> Actions(const MacroEncoding& e) {
  return {e.Block.begin() + kMacroActionsOffset, e.Block.begin() + kMacroActionsOffset + 3 * e.ActionCount};
}

ButtonEntry MacroButton(std::initializer_list<MacroAction> steps, std::uint8_t valueByte1 = 0x21,
                        std::uint8_t commandActions = 0) {
  ButtonEntry b;
  b.Value = {0x90, valueByte1, 0x01};
  for (const auto& s : steps) b.Macro.InsertAction(b.Macro.MacroActionNum, s);
  b.Macro.MacroCommandActionNum = commandActions;
  return b;
}

MacroAction Press(std::uint8_t code) { return MakeKeyStep(code, false); }
MacroAction Release(std::uint8_t code) { return MakeKeyStep(code, true); }
MacroAction Wait(std::uint32_t ms) { return MakeDelayStep(ms); }

TEST(MacroEncoding, StepsBecomeDeviceActions) {
  struct Case {
    const char* what;
    std::vector<MacroAction> steps;
    const char* actions;
  };
  const Case cases[] = {
      {"press A, 50 ms, release A", {Press(0x41), Wait(50), Release(0x41)}, "30 32 04 B0 00 04"},
      {"a delay past 12 bits is sent as 4095 ms", {Press(0x41), Wait(5000)}, "3F FF 04"},
      {"a delay of exactly 4095 ms", {Press(0x41), Wait(4095)}, "3F FF 04"},
      {"a 24-bit delay reads big-endian", {Press(0x41), Wait(0x000123)}, "31 23 04"},
      {"a delay opening the macro and a second delay are dropped",
       {Wait(300), Press(0x41), Wait(10), Wait(20), Release(0x41)},
       "30 0A 04 B0 00 04"},
      {"left and fifth mouse buttons", {Press(kVkMouseLeft), Release(kVkMouseK5)}, "10 00 01 90 00 10"},
      {"movement and wheel carry the signed amount",
       {MakeMotionStep(kVkMouseX, -5), MakeMotionStep(kVkMouseY, 7), MakeMotionStep(kVkMouseWheel, -1)},
       "40 00 FB 50 00 07 60 00 FF"},
      {"left Ctrl and right Shift are modifier bits", {Press(0xA2), Release(0xA1)}, "20 00 01 A0 00 20"},
      {"key code 0xFB plays as a modifier", {Press(0xFB)}, "20 00 02"},
      {"a step below 8 other than 3 is a key code, not a delay",
       {Press(0x41), MacroAction{{0x01, 0x00, 0x00, 0x50}}},
       "30 00 04 30 00 00"},
  };
  for (const auto& c : cases) {
    ButtonEntry b;
    b.Value = {0x90, 0x21, 0x01};
    for (const auto& s : c.steps) b.Macro.InsertAction(b.Macro.MacroActionNum, s);
    EXPECT_EQ(Actions(EncodeMacroButton(b)), HexBytes(c.actions)) << c.what;
  }
}

TEST(MacroEncoding, HeaderNamesTheSlotAndTheStoredCount) {
  const ButtonEntry b = MacroButton({Press(0x41), Release(0x41)}, 0x43, 2);
  const MacroEncoding e = EncodeMacroButton(b);
  EXPECT_EQ(std::vector<std::uint8_t>(e.Block.begin(), e.Block.begin() + 12),
            HexBytes("09 90 03 02 30 00 04 B0 00 04 00 00"));
  EXPECT_EQ(e.ActionCount, 2u);
  // Everything after the actions is zero.
  EXPECT_TRUE(std::all_of(e.Block.begin() + 10, e.Block.end(), [](std::uint8_t v) { return v == 0; }));
}

TEST(MacroEncoding, KindsOfTranslatedCodes) {
  struct Case {
    std::uint8_t usage;
    MacroActionKind kind;
  };
  const Case cases[] = {
      {0x00, MacroActionKind::Key},         {0x90, MacroActionKind::Key},
      {0x91, MacroActionKind::Modifier},    {0xE7, MacroActionKind::Modifier},
      {0xE8, MacroActionKind::Other},       {0xEF, MacroActionKind::Other},
      {0xF0, MacroActionKind::MouseButton}, {0xF4, MacroActionKind::MouseButton},
      {0xF5, MacroActionKind::MoveX},       {0xF6, MacroActionKind::MoveY},
      {0xF7, MacroActionKind::Wheel},       {0xF8, MacroActionKind::Other},
      {0xFF, MacroActionKind::Other},
  };
  for (const auto& c : cases) EXPECT_EQ(KindOfUsage(c.usage), c.kind) << std::hex << +c.usage;
}

TEST(MacroEncoding, FullStepArrayEncodesWithoutOverrun) {
  ButtonEntry b;
  b.Value = {0x90, 0x21, 0x01};
  for (std::uint32_t i = 0; i < MacroItem::kMaxActions; ++i) b.Macro.InsertAction(i, Press(0x41));
  // A count past the array, as a garbled library might hold, reads the 250 steps.
  b.Macro.MacroActionNum = 1000;
  EXPECT_EQ(EncodeMacroButton(b).ActionCount, MacroItem::kMaxActions);
}

TEST(MacroDataPackets, PacketisationFollowsTheActionCount) {
  MacroShadowBlock block{};
  for (std::size_t i = kMacroActionsOffset; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i - 3);
  struct Case {
    std::uint32_t actions;
    std::vector<std::uint8_t> positions;
    std::vector<std::uint8_t> counts;  // payload byte 0 of each packet
  };
  const Case cases[] = {
      {0, {0x01}, {1}},
      {2, {0x01}, {7}},
      {9, {0x02, 0x12}, {26, 3}},
      {125, {0x0F, 0x1F, 0x2F, 0x3F, 0x4F, 0x5F, 0x6F, 0x7F, 0x8F, 0x9F, 0xAF, 0xBF, 0xCF, 0xDF, 0xEF},
       {26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26}},
      {126, {}, {}},
  };
  for (const auto& c : cases) {
    const auto packets = BuildMacroDataPackets(block, 3, c.actions);
    std::vector<std::uint8_t> positions, counts;
    for (const auto& p : packets) {
      positions.push_back(p.Position);
      counts.push_back(p.Payload[0]);
      EXPECT_EQ(p.Payload[1], 3);
    }
    EXPECT_EQ(positions, c.positions) << c.actions;
    EXPECT_EQ(counts, c.counts) << c.actions;
  }
  // Each packet carries 25 bytes of the block from byte 4 + 25 k.
  const auto two = BuildMacroDataPackets(block, 3, 9);
  EXPECT_EQ(two[1].Payload[2], block[4 + 25]);
  EXPECT_EQ(two[1].Payload[26], block[4 + 49]);
}

}  // namespace
}  // namespace corvane
