// Command frames of report 9 against the simulated mouse: frame in, acknowledgement out,
// and what the frame leaves in the mouse.
#include <gtest/gtest.h>

#include <functional>

#include "device/sim/SimDevice.h"
#include "support/HexBytes.h"

namespace corvane {
namespace {

using testing::HexBytes;
using testing::HexText;

constexpr std::array<DeviceRole, 1> kWired{DeviceRole::Wired};

struct Exchange {
  std::string frame;  // as sent, checksum included
  std::string ack;    // the report 9 read that follows
};

struct CommandCase {
  const char* name;
  std::vector<Exchange> exchanges;
  std::function<void(const SimMouseState&)> check;
};

std::string AckOf(SimDevice& d) {
  std::vector<std::uint8_t> reply(32, 0);
  reply[0] = 9;
  EXPECT_TRUE(d.GetFeature(DeviceRole::Wired, reply));
  return HexText(reply);
}

const std::vector<CommandCase>& Cases() {
  static const std::vector<CommandCase> cases{
      {"ButtonMap",
       {{"09 01 0B 01 38 10 01 00 10 02 00 10 04 00 10 10 00 10 08 00 40 02 00 70 01 06 FF FF FF FF FF FF",
         "09 01 01 0B"}},
       [](const SimMouseState& m) {
         EXPECT_EQ(HexText(m.settings.buttons), "10 01 00 10 02 00 10 04 00 10 10 00 10 08 00 40 02 00 70 01 06");
       }},
      {"DpiLevelsBothPackets",
       {{"09 02 0C 02 49 03 1F 09 00 0F 00 17 00 1F 00 31 00 8F", "09 01 02 0C"},
        {"09 02 0D 12 60 03 1F 0A 00 10 00 18 00 20 00 32 00 90", "09 01 02 0D"}},
       [](const SimMouseState& m) {
         EXPECT_EQ(m.settings.dpiLevel, 3);
         EXPECT_EQ(m.settings.dpiMask, 0x1F);
         EXPECT_EQ(m.settings.dpiX, (std::array<std::uint16_t, 6>{0x09, 0x0F, 0x17, 0x1F, 0x31, 0x8F}));
         EXPECT_EQ(m.settings.dpiY, (std::array<std::uint16_t, 6>{0x0A, 0x10, 0x18, 0x20, 0x32, 0x90}));
       }},
      {"DpiColours",
       {{"09 03 0E 01 4B 11 22 33 11 22 33 11 22 33 11 22 33 11 22 33 11 22 33 11 22 33 11 22 33",
         "09 01 03 0E"}},
       [](const SimMouseState& m) {
         EXPECT_EQ(HexText(m.settings.dpiColours),
                   "11 22 33 11 22 33 11 22 33 11 22 33 11 22 33 11 22 33 11 22 33 11 22 33");
       }},
      {"PollingRate500", {{"09 04 05 01 15 02", "09 01 04 05"}},
       [](const SimMouseState& m) { EXPECT_EQ(m.settings.pollingCode, 0x02); }},
      {"LiftOff1", {{"09 05 06 01 16 01", "09 01 05 06"}},
       [](const SimMouseState& m) { EXPECT_EQ(m.settings.liftOff, 1); }},
      {"Lighting",
       {{"09 06 0A 01 3C FF 03 21 00 00 FF 00", "09 01 06 0A"}},
       [](const SimMouseState& m) {
         EXPECT_EQ(HexText(std::span(m.settings.lighting).first(7)), "FF 03 21 00 00 FF 00");
       }},
      {"PowerSaving", {{"09 07 08 01 29 0A 05 01", "09 01 07 08"}},
       [](const SimMouseState& m) { EXPECT_EQ(HexText(m.settings.power), "0A 05 01"); }},
      {"SensorOptions", {{"09 08 09 01 1D 01 00 01", "09 01 08 09"}},
       [](const SimMouseState& m) { EXPECT_EQ(HexText(m.settings.sensorOptions), "01 00 01"); }},
      {"KeyDebounce", {{"09 09 07 01 1E 04", "09 01 09 07"}},
       [](const SimMouseState& m) { EXPECT_EQ(m.settings.debounce, 4); }},
      {"MacroClearThenTwoPackets",
       {{"09 11 1F 01 39 FF", "09 01 11 1F"},
        {"09 10 20 02 9B 1A 01 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14 15 16 17 18 19",
         "09 01 10 20"},
        {"09 10 21 12 B7 04 01 30 32 04", "09 01 10 21"}},
       [](const SimMouseState& m) {
         const SimMacroSlot& s = m.macros.Slot(1);
         EXPECT_TRUE(s.Complete());
         EXPECT_EQ(HexText(s.Bytes()),
                   "01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14 15 16 17 18 19 30 32 04");
       }},
      // Frames the mouse cannot take: bad checksum, unknown code, wrong packet position,
      // values outside what the command allows. None is acknowledged, none changes anything.
      {"BadChecksum", {{"09 04 05 01 16 02", "09 00 04 05"}}, nullptr},
      {"UnknownCommand", {{"09 0A 05 01 1B 02", "09 00 0A 05"}}, nullptr},
      {"SinglePacketCommandWithPosition02", {{"09 04 05 02 16 02", "09 00 04 05"}}, nullptr},
      {"DpiLevelsPosition01", {{"09 02 0C 01 48 03 1F 09 00 0F 00 17 00 1F 00 31 00 8F", "09 00 02 0C"}}, nullptr},
      {"DpiLevelOutOfRange", {{"09 02 0C 02 4E 08 1F 09 00 0F 00 17 00 1F 00 31 00 8F", "09 00 02 0C"}}, nullptr},
      {"PollingCodeUnknown", {{"09 04 05 01 16 03", "09 00 04 05"}}, nullptr},
      {"LiftOffThree", {{"09 05 06 01 18 03", "09 00 05 06"}}, nullptr},
      {"LightingModeTen", {{"09 06 0A 01 43 FF 0A 21 00 00 FF 00", "09 00 06 0A"}}, nullptr},
      {"MacroSlotZero", {{"09 10 21 12 B6 04 00 30 32 04", "09 00 10 21"}}, nullptr},
      {"MacroSecondPacketWithoutFirst", {{"09 10 21 12 B7 04 01 30 32 04", "09 00 10 21"}}, nullptr},
      {"MacroClearWithoutFF", {{"09 11 1F 01 3A 00", "09 00 11 1F"}}, nullptr},
      {"FactoryResetWithoutFF", {{"09 0F 30 01 49 00", "09 00 0F 30"}}, nullptr},
  };
  return cases;
}

TEST(SimCommandTest, GoldenExchanges) {
  for (const auto& c : Cases()) {
    SCOPED_TRACE(c.name);
    SimDevice d(kWired);
    const SimMouseState before = d.State().mouse;
    for (const auto& e : c.exchanges) {
      EXPECT_TRUE(d.SetFeature(DeviceRole::Wired, HexBytes(e.frame, 32)));
      EXPECT_EQ(AckOf(d), HexText(HexBytes(e.ack, 32)));
    }
    if (c.check) {
      c.check(d.State().mouse);
    } else {
      EXPECT_EQ(d.State().mouse, before);
    }
  }
}

TEST(SimCommandTest, AcknowledgementReadBeforeAnyFrameIsNegative) {
  SimDevice d(kWired);
  EXPECT_EQ(AckOf(d), HexText(HexBytes("09", 32)));
}

TEST(SimCommandTest, FactoryResetRestoresConfigurationAndEmptiesMacros) {
  SimDevice d(kWired);
  const SimMouseState factory = d.State().mouse;
  ASSERT_TRUE(d.SetFeature(DeviceRole::Wired, HexBytes("09 04 05 01 15 02", 32)));
  d.SetBattery(40);
  ASSERT_TRUE(d.SetFeature(DeviceRole::Wired, HexBytes("09 10 20 02 9B 1A 01 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14 15 16 17 18 19", 32)));
  ASSERT_NE(d.State().mouse.settings, factory.settings);

  ASSERT_TRUE(d.SetFeature(DeviceRole::Wired, HexBytes("09 0F 30 01 48 FF", 32)));
  EXPECT_EQ(AckOf(d), HexText(HexBytes("09 01 0F 30", 32)));
  EXPECT_EQ(d.State().mouse.settings, factory.settings);
  EXPECT_TRUE(d.State().mouse.macros.Slot(1).Empty());
  EXPECT_EQ(d.State().mouse.battery, 40);  // the battery is no setting
}

// The mouse leaves the factory with the program's default profile (sensor 0x3311), so a
// fresh mouse and a fresh installation agree.
TEST(SimCommandTest, FactorySettingsMatchTheDefaultProfile) {
  const SimSettings s = FactorySettings(0x50);
  EXPECT_EQ(HexText(s.buttons), "10 01 00 10 02 00 10 04 00 10 08 00 10 10 00 40 01 00 60 04 00");
  EXPECT_EQ(s.dpiLevel, 2);
  EXPECT_EQ(s.dpiMask, 0x3F);
  // Steps 9, 15, 23, 31, 49, 119 of the 0x3311 ladder.
  EXPECT_EQ(s.dpiX, (std::array<std::uint16_t, 6>{11, 18, 27, 38, 59, 143}));
  EXPECT_EQ(s.dpiY, s.dpiX);
  EXPECT_EQ(HexText(s.dpiColours), "FF 00 00 00 FF 00 00 00 FF FF A5 00 FF 00 FF FF FF 00 FF FF FF FF FF FF");
  EXPECT_EQ(s.pollingCode, 0x01);
  EXPECT_EQ(s.liftOff, 2);
  EXPECT_EQ(s.debounce, 2);
  EXPECT_EQ(HexText(std::span(s.lighting).first(7)), "FF 01 42 01 FF 00 00");
  EXPECT_EQ(HexText(s.power), "01 01 00");
  EXPECT_EQ(HexText(s.sensorOptions), "00 01 00");
}

// A frame written with the wrong length never reaches the mouse.
TEST(SimCommandTest, FrameOfWrongLengthIsRefused) {
  SimDevice d(kWired);
  EXPECT_FALSE(d.SetFeature(DeviceRole::Wired, HexBytes("09 04 05 01 15 02", 31)));
  EXPECT_FALSE(d.SetFeature(DeviceRole::Wired, HexBytes("09 04 05 01 15 02", 33)));
  EXPECT_EQ(AckOf(d), HexText(HexBytes("09", 32)));
  EXPECT_EQ(d.State().mouse.settings.pollingCode, 0x01);
}

}  // namespace
}  // namespace corvane
