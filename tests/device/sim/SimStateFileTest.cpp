// The simulated devices' state file: a round trip keeps everything that persists, and a
// malformed file starts the devices fresh.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"
#include "device/FirmwareImages.h"
#include "device/sim/SimBackend.h"
#include "device/sim/SimStateFile.h"
#include "support/HexBytes.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

using testing::HexBytes;

class SimStateFileTest : public ::testing::Test {
 protected:
  testing::TempDataFolder folder;
  const std::filesystem::path& dir = folder.Root();
};

// Every persisting field changed; the whole application area rewritten only when asked
// (it makes the file large), otherwise one flash sector.
SimState ChangedState(bool newApplication = true) {
  SimState s;
  SimDevice d(std::array{DeviceRole::Wired}, s);
  for (const char* frame : {"09 01 0B 01 38 10 01 00 10 02 00 10 04 00 10 10 00 10 08 00 40 02 00 70 01 06 FF FF FF FF FF FF",
                            "09 02 0C 02 49 03 1F 09 00 0F 00 17 00 1F 00 31 00 8F", "09 04 05 01 15 02",
                            "09 06 0A 01 3C FF 03 21 00 00 FF 00", "09 07 08 01 29 0A 05 01",
                            "09 10 20 02 9B 1A 01 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14 15 16 17 18 19"}) {
    EXPECT_TRUE(d.SetFeature(DeviceRole::Wired, HexBytes(frame, 32)));
  }
  d.SetBattery(42);
  d.SetCharging(1);
  d.SetSensorLetter(0x4E);
  SimState out = d.State();
  if (newApplication) {
    out.firmware.InstallApplication(ApplicationImage());
    out.firmware.BlankLoader();
  } else {
    out.firmware.flash.EraseSector(0);
  }
  out.receiver = {false, true, true, 1234};
  out.wiredVersion = 0x0105;
  out.faults.noAck = true;
  out.faults.ackAfterAttempts = 3;
  out.faults.rejectWrites = true;
  out.faults.unplugAtFrame = 17;
  out.faults.garbageReports = true;
  out.faults.fwRejectWrites = -1;
  out.faults.fwRejectFrom = 0x52000;
  out.faults.fwCorruptReadBack = true;
  out.faults.fwChecksumStuck = true;
  out.faults.pairingFails = true;
  return out;
}

TEST_F(SimStateFileTest, RoundTripKeepsEverythingThatPersists) {
  const SimState changed = ChangedState();
  ASSERT_NE(changed, SimState{});
  const auto path = dir / "sim.state";
  ASSERT_TRUE(SaveSimState(path, changed));
  SimState loaded;
  EXPECT_EQ(LoadSimState(path, loaded), SimStateLoad::Loaded);
  EXPECT_EQ(loaded, changed);
  EXPECT_EQ(loaded.firmware.RunningChecksum(), changed.firmware.RunningChecksum());
}

TEST_F(SimStateFileTest, FactoryStateIsWrittenWithoutFlashLines) {
  const std::string text = Utf8(SimStateText(SimState{}));
  EXPECT_EQ(text.rfind("CorvaneSimState=1\n", 0), 0u);
  EXPECT_EQ(text.find("Flash"), std::string::npos);
  EXPECT_EQ(text.find("Macro"), std::string::npos);
  EXPECT_NE(text.find("\nButtons=100100100200100400100800101000400100600400\n"), std::string::npos);
  EXPECT_NE(text.find("\nFaultFwRejectWrites=1\n"), std::string::npos);
}

TEST_F(SimStateFileTest, MalformedFilesStartFresh) {
  const SimState changed = ChangedState(false);
  const SimState fresh;
  const std::string good = Utf8(SimStateText(changed));
  struct Case {
    const char* name;
    std::string text;
  };
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string t = good;
    const auto at = t.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) t.replace(at, from.size(), to);
    return t;
  };
  const Case cases[] = {
      {"Empty", ""},
      {"WrongHeader", replaced("CorvaneSimState=1", "CorvaneSimState=2")},
      {"NoEquals", good + "Battery\n"},
      {"BatteryNotANumber", replaced("Battery=42", "Battery=4x")},
      {"BatteryAbove100", replaced("Battery=42", "Battery=101")},
      {"NegativeNumber", replaced("Battery=42", "Battery=-1")},
      {"HugeNumber", replaced("Battery=42", "Battery=99999999999999999999999")},
      {"ShortHex", replaced("Power=0A0501", "Power=0A05")},
      {"BadHexDigit", replaced("Power=0A0501", "Power=0A05G1")},
      {"DpiLevelEight", replaced("DpiLevel=3", "DpiLevel=8")},
      {"BoolTwo", replaced("FaultNoAck=1", "FaultNoAck=2")},
      {"MacroSlotZero", replaced("Macro1=", "Macro0=")},
      {"MacroSlotSixteen", replaced("Macro1=", "Macro16=")},
      {"MacroWithoutFields", replaced("Macro1=2:1:", "Macro1=2")},
      {"MacroMaskBeyondPackets", replaced("Macro1=2:1:", "Macro1=2:4:")},
      {"FlashUnaligned", replaced("Flash000000=", "Flash000010=")},
      {"FlashBeyondTheEnd", replaced("Flash000000=", "Flash080000=")},
      {"FlashFillWithoutByte", replaced("Flash000000=*FF", "Flash000000=*")},
      {"ApplicationEndBelowArea", replaced("ApplicationEnd=", "ApplicationEnd=1")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto path = dir / "bad.state";
    UnicodeTextWriter w;
    w.Write(U16(c.text));
    ASSERT_TRUE(w.Commit(path));
    SimState loaded = changed;
    EXPECT_EQ(LoadSimState(path, loaded), SimStateLoad::Malformed);
    EXPECT_EQ(loaded, fresh);
  }
}

TEST_F(SimStateFileTest, RawGarbageAndMissingFiles) {
  SimState loaded;
  EXPECT_EQ(LoadSimState(dir / "none.state", loaded), SimStateLoad::NoFile);
  EXPECT_EQ(loaded, SimState{});

  const std::string garbage[] = {std::string("\xFF\xFE", 2), std::string("\xFF", 1),
                                 std::string("CorvaneSimState=1\n"),  // no byte-order mark
                                 std::string("\xFF\xFE\x00\xD8\x41\x00", 6), std::string(4096, '\xA5')};
  const SimState changed = ChangedState(false);
  for (const auto& bytes : garbage) {
    const auto path = dir / "garbage.state";
    ASSERT_TRUE(WriteFileAtomically(path, bytes));
    loaded = changed;
    EXPECT_EQ(LoadSimState(path, loaded), SimStateLoad::Malformed);
    EXPECT_EQ(loaded, SimState{});
  }
  // A directory where the file should be.
  std::filesystem::create_directories(dir / "adir");
  EXPECT_EQ(LoadSimState(dir / "adir", loaded), SimStateLoad::Malformed);
}

TEST_F(SimStateFileTest, UnknownKeysAndEmptyLinesAreSkipped) {
  std::u16string text = SimStateText(SimState{});
  text += u"\nSomethingLater=7\n";
  SimState loaded = ChangedState();
  EXPECT_TRUE(ParseSimStateText(text, loaded));
  EXPECT_EQ(loaded, SimState{});
}

// Between two runs of the tool: what the first run's device took, the second run's
// device still has.
TEST_F(SimStateFileTest, BackendPersistsBetweenRuns) {
  const std::string path = (dir / "run.state").string();
  {
    SimBackend sim(SimOptions{{DeviceRole::Receiver}, path});
    EXPECT_EQ(sim.StateLoad(), SimStateLoad::NoFile);
    auto feature = sim.Open("sim:receiver:feature");
    ASSERT_TRUE(feature->SetFeature(HexBytes("09 04 05 01 15 02", 32)));
    ASSERT_TRUE(feature->SetFeature(HexBytes("BC 03 00 00 00 00 00 00")));  // pairing under way
    sim.AdvanceClock(500);
    ASSERT_TRUE(sim.SaveState());
  }
  SimBackend sim(SimOptions{{DeviceRole::Receiver}, path});
  EXPECT_EQ(sim.StateLoad(), SimStateLoad::Loaded);
  EXPECT_EQ(sim.State().mouse.settings.pollingCode, 0x02);
  EXPECT_FALSE(sim.State().receiver.linked);
  sim.AdvanceClock(1500);
  EXPECT_TRUE(sim.State().receiver.linked);

  EXPECT_FALSE(SimBackend(SimOptions{{DeviceRole::Wired}, {}}).SaveState());
  EXPECT_FALSE(SimBackend(SimOptions{{DeviceRole::Wired}, (dir / "no" / "such" / "dir").string()}).SaveState());
}

}  // namespace
}  // namespace corvane
