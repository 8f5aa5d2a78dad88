// Slots of the macro buttons and the writing of the mouse's macro store within an upload.
#include <gtest/gtest.h>

#include "device/AssignMacroSlots.h"
#include "lang/LanguageEntries.h"
#include "macros/MacroLibrary.h"
#include "support/UploadFixture.h"

namespace corvane {
namespace {

using testing::FakeOp;

class MacroUpload : public testing::UploadFixture {
 protected:
  void SetUp() override {
    UploadFixture::SetUp();
    ctx.Language.Texts[kTextDisable] = u"Disabled";
  }

  // Adds a top-level library macro and returns its key index.
  std::uint32_t AddMacro(std::u16string name, std::initializer_list<MacroAction> steps, std::uint8_t loopType = 2,
                         std::uint8_t loopNum = 1) {
    MacroLocation at = MacroLocation::None();
    EXPECT_EQ(ctx.Macros.NewMacro(name, at), 0);
    MacroItem& m = *ctx.Macros.NodeAt(at)->Item;
    for (const auto& s : steps) {
      m.InsertAction(m.MacroActionNum, s);
      if (!IsDelayStep(s)) ++m.MacroCommandActionNum;
    }
    m.MacroKeyLoopType = loopType;
    m.MacroKeyLoopNum = loopNum;
    return m.MacroKeyIndex;
  }

  MacroItem& LibraryMacro(std::uint32_t key) { return const_cast<MacroItem&>(*FindLibraryMacro(ctx.Macros, key)->Item); }

  // What the macro picker leaves on a button: value 90 00 00 and the macro's copy.
  void Pick(int button, std::uint32_t key) {
    ButtonEntry& b = Profile().Buttons[static_cast<std::size_t>(button)];
    b.Value = {0x90, 0x00, 0x00};
    b.MacroKeyIndex = key;
    SetButtonMacro(b, &LibraryMacro(key));
  }

  std::vector<std::pair<int, int>> CommandsAndPositions() const {
    std::vector<std::pair<int, int>> out;
    for (const FakeOp& op : backend.OpsOf(FakeOp::Set)) out.emplace_back(op.bytes[1], op.bytes[3]);
    return out;
  }
};

const MacroAction kPressA = MakeKeyStep(0x41, false);
const MacroAction kReleaseA = MakeKeyStep(0x41, true);

TEST_F(MacroUpload, OneMacroButtonGoesOutWithItsStore) {
  Pick(5, AddMacro(u"Hello", {kPressA, MakeDelayStep(50), kReleaseA}));
  state.Dirty.ButtonsDirty = 1;
  const ApplyResult r = Apply();
  EXPECT_TRUE(r.Complete());
  EXPECT_EQ(Frames(), (std::vector<std::string>{
                          "09 01 01 01 8B 10 01 00 10 02 00 10 04 00 10 08 00 10 10 00 90 21 01 60 04 00 FF FF "
                          "FF FF FF FF",
                          "09 11 02 01 1C FF",
                          "09 10 03 01 3F 07 01 30 32 04 B0 00 04",
                      }));
  // The clear waits 60 ms for its answer and 10 ms more; a macro packet waits 120 ms.
  EXPECT_EQ(pause.Pauses(), (std::vector<std::uint32_t>{60, 60, 10, 120}));
  // A button request with nothing changed: the map is in line, but the button writer
  // clears the macro shadow, so the store is rewritten.
  Forget();
  state.Dirty.ButtonsDirty = 1;
  Apply();
  EXPECT_EQ(CommandsAndPositions(), (std::vector<std::pair<int, int>>{{0x11, 0x01}, {0x10, 0x01}}));
  // Without a button change nothing at all.
  Forget();
  state.Dirty.PerformanceDirty = 1;
  Apply();
  EXPECT_TRUE(Frames().empty());
}

TEST_F(MacroUpload, SlotsFollowButtonOrderAndSharedMacrosShareTheirSlot) {
  const std::uint32_t first = AddMacro(u"First", {kPressA, kReleaseA});
  const std::uint32_t second = AddMacro(u"Second", {kPressA}, 4);
  Pick(6, first);
  Pick(3, second);
  Pick(5, first);
  state.Dirty.ButtonsDirty = 1;
  Apply();
  const ProfileRecord& p = Profile();
  // Button 3 comes first and takes slot 1; buttons 5 and 6 share slot 2. Loop type 4
  // keeps no count in byte 2.
  EXPECT_EQ(p.Buttons[3].Value, (std::array<std::uint8_t, 3>{0x90, 0x41, 0x00}));
  EXPECT_EQ(p.Buttons[5].Value, (std::array<std::uint8_t, 3>{0x90, 0x22, 0x01}));
  EXPECT_EQ(p.Buttons[6].Value, (std::array<std::uint8_t, 3>{0x90, 0x22, 0x01}));
  // The shared macro is sent once.
  const auto ops = backend.OpsOf(FakeOp::Set);
  ASSERT_EQ(ops.size(), 4u);
  EXPECT_EQ(CommandsAndPositions(), (std::vector<std::pair<int, int>>{{0x01, 0x01}, {0x11, 0x01}, {0x10, 0x01}, {0x10, 0x01}}));
  EXPECT_EQ(ops[2].bytes[6], 1);  // slot of button 3's macro
  EXPECT_EQ(ops[3].bytes[6], 2);
}

TEST_F(MacroUpload, LongMacroIsSentInPackets) {
  const std::uint32_t key = AddMacro(u"Nine", {});
  MacroItem& m = LibraryMacro(key);
  for (int i = 0; i < 9; ++i) m.InsertAction(m.MacroActionNum, MakeKeyStep(static_cast<std::uint8_t>(0x41 + i), false));
  m.MacroCommandActionNum = 9;
  Pick(2, key);
  state.Dirty.ButtonsDirty = 1;
  Apply();
  const auto ops = backend.OpsOf(FakeOp::Set);
  ASSERT_EQ(ops.size(), 4u);
  // 27 bytes: 25 in the first packet, the last two bytes of the ninth action (I) in the
  // second.
  EXPECT_EQ(ops[2].bytes[3], 0x02);
  EXPECT_EQ(ops[2].bytes[5], 26);
  EXPECT_EQ(ops[2].bytes[31], 0x30);  // first byte of the ninth action
  EXPECT_EQ(testing::HexLine(ops[3].bytes), "09 10 04 12 3F 03 01 00 0C");
}

TEST_F(MacroUpload, ButtonWhoseMacroHasGoneBecomesPlain) {
  const std::uint32_t key = AddMacro(u"Gone", {kPressA});
  Pick(4, key);
  ctx.Macros.DeleteNode(MacroLocation::Top(0));
  state.Dirty.ButtonsDirty = 1;
  const ApplyResult r = Apply();
  EXPECT_EQ(r.Slots.DroppedButtons, std::vector<int>{4});
  EXPECT_TRUE(r.Slots.ProfileChanged);
  EXPECT_EQ(Profile().Buttons[4].Name, u"Disabled");
  EXPECT_EQ(Profile().Buttons[4].Value, (std::array<std::uint8_t, 3>{0, 0, 0}));
  // The map says so and no macro is written.
  EXPECT_EQ(CommandsAndPositions(), (std::vector<std::pair<int, int>>{{0x01, 0x01}}));
  EXPECT_EQ(backend.OpsOf(FakeOp::Set)[0].bytes[14], 0x00);
}

TEST_F(MacroUpload, MacroFoundInFoldersAtEveryLevel) {
  MacroLocation at = MacroLocation::None();
  ASSERT_EQ(ctx.Macros.NewFolder(u"Games", at), 0);
  ASSERT_EQ(ctx.Macros.NewFolder(u"Old", at), 0);
  ASSERT_EQ(ctx.Macros.NewMacro(u"Deep", at), 0);
  EXPECT_EQ(at.stage, 2);
  const std::uint32_t deep = ctx.Macros.NodeAt(at)->Item->MacroKeyIndex;
  const auto found = FindLibraryMacro(ctx.Macros, deep);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->Location, at);
  EXPECT_FALSE(FindLibraryMacro(ctx.Macros, deep + 1));
  EXPECT_FALSE(FindLibraryMacro(ctx.Macros, 0));
}

TEST_F(MacroUpload, RefreshTakesTheLibraryMacroAgain) {
  const std::uint32_t key = AddMacro(u"Edit", {kPressA});
  Pick(5, key);
  state.Dirty.ButtonsDirty = 1;
  Apply();
  // The macro manager changes the library macro.
  MacroItem& m = LibraryMacro(key);
  m.InsertAction(m.MacroActionNum, kReleaseA);
  m.MacroCommandActionNum = 2;
  // Without the refresh the button keeps its steps but takes the library's count, so the
  // store is rewritten with the old step and the new count.
  Forget();
  Apply();
  EXPECT_EQ(Frames(), (std::vector<std::string>{"09 11 04 01 1E FF", "09 10 05 01 5B 07 01 30 00 04"}));
  // After the macro manager: the copy is taken again and the store rewritten.
  state.RefreshMacroCopies = 1;
  Forget();
  const ApplyResult r = Apply();
  EXPECT_EQ(state.RefreshMacroCopies, 0);
  EXPECT_TRUE(r.Slots.ProfileChanged);
  EXPECT_EQ(Profile().Buttons[5].Macro.MacroActionNum, 2u);
  EXPECT_EQ(Frames(), (std::vector<std::string>{"09 11 06 01 20 FF", "09 10 07 01 11 07 01 30 00 04 B0 00 04"}));
}

TEST_F(MacroUpload, MacroTooLongForTheStoreIsRefused) {
  const std::uint32_t big = AddMacro(u"Big", {kPressA});
  const std::uint32_t small = AddMacro(u"Small", {kPressA});
  LibraryMacro(big).MacroCommandActionNum = 126;  // an edited library file
  Pick(2, big);
  Pick(3, small);
  state.Dirty.ButtonsDirty = 1;
  const ApplyResult r = Apply();
  ASSERT_EQ(r.Report.Problems.size(), 1u);
  EXPECT_EQ(r.Report.Problems[0].Kind, UploadProblemKind::MacroTooLong);
  EXPECT_EQ(r.Report.Problems[0].Button, 2);
  EXPECT_EQ(DescribeProblem(r.Report.Problems[0]),
            "the macro of button 2 has 126 actions; the mouse stores at most 125 per macro, so it was not sent");
  // Only the other macro goes out.
  EXPECT_EQ(CommandsAndPositions(), (std::vector<std::pair<int, int>>{{0x01, 0x01}, {0x11, 0x01}, {0x10, 0x01}}));
  EXPECT_EQ(backend.OpsOf(FakeOp::Set)[2].bytes[6], 2);
  // It is not offered again until it changes.
  Forget();
  EXPECT_TRUE(Apply().Complete());
  EXPECT_TRUE(Frames().empty());
}

TEST_F(MacroUpload, MacroTheMouseDidNotTakeIsRewrittenNextTime) {
  Pick(5, AddMacro(u"Lost", {kPressA}));
  state.Dirty.ButtonsDirty = 1;
  Apply();
  Forget();
  // The store is rewritten as a whole; this time the data packet is not answered.
  Profile().Buttons[5].Macro.InsertAction(1, kReleaseA);
  int sets = 0;
  backend.afterOp = [&sets](testing::FakeHidBackend& b, const FakeOp& op) {
    if (op.kind == FakeOp::Set && op.bytes[1] == 0x10) ++sets;
    b.Command(DeviceRole::Wired).acknowledges = op.bytes[1] != 0x10;
  };
  const ApplyResult r = Apply();
  EXPECT_EQ(sets, 4);
  ASSERT_EQ(r.Report.Problems.size(), 1u);
  EXPECT_EQ(r.Report.Problems[0].Command, FeatureCommand::CmdMacroData);
  // Macro packets wait 120 ms for the answer and 60 ms before the next attempt.
  EXPECT_EQ(pause.Pauses(), (std::vector<std::uint32_t>{60, 10, 120, 60, 120, 60, 120, 60, 120, 60}));
  backend.afterOp = nullptr;
  backend.Command(DeviceRole::Wired).acknowledges = true;
  Forget();
  EXPECT_TRUE(Apply().Complete());
  EXPECT_EQ(CommandsAndPositions(), (std::vector<std::pair<int, int>>{{0x11, 0x01}, {0x10, 0x01}}));
}

}  // namespace
}  // namespace corvane
