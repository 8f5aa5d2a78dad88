#include "macros/MacroDeleteRule.h"

#include <gtest/gtest.h>

#include <memory>

#include "session/AppContext.h"

namespace corvane {
namespace {

// Folder F holding macro M; macro N at the top level; profile 1 is current.
struct DeleteRule : ::testing::Test {
  void SetUp() override {
    ctx = std::make_unique<AppContext>();
    MacroLibrary& lib = ctx->Macros;
    lib.NewFolder(u"F", f);
    m = f;
    lib.NewMacro(u"M", m);
    lib.NewMacro(u"N", n);
    ctx->CurrentProfileIndex = 1;
  }
  void AssignToButton(int profile, int button, const MacroLocation& macro, std::uint8_t family = 0x90) {
    ButtonEntry& b = ctx->Profiles[profile].Buttons[static_cast<std::size_t>(button)];
    b.Value = {family, 0, 0};
    b.MacroKeyIndex = ctx->Macros.NodeAt(macro)->Item->MacroKeyIndex;
  }
  std::unique_ptr<AppContext> ctx;
  MacroLocation f, m, n;
};

TEST_F(DeleteRule, AMacroOfTheCurrentProfileCannotBeDeletedNorItsFolder) {
  AssignToButton(1, 6, m);
  ctx->Macros.CurrentMacroLocation = f;
  EXPECT_EQ(DeleteMacroNode(*ctx, ctx->Macros, f), MacroDeleteOutcome::kInUse);
  EXPECT_EQ(DeleteMacroNode(*ctx, ctx->Macros, m), MacroDeleteOutcome::kInUse);
  EXPECT_EQ(ctx->Macros.Level1(0, 0).MacroItemName, u"M");
  EXPECT_EQ(ctx->Macros.CurrentMacroLocation, f);  // a refusal changes nothing

  EXPECT_EQ(DeleteMacroNode(*ctx, ctx->Macros, n), MacroDeleteOutcome::kDeleted);
  EXPECT_FALSE(ctx->Macros.Level0(1).IsUsed());
  EXPECT_EQ(ctx->Macros.CurrentMacroLocation, MacroLocation::None());
}

TEST_F(DeleteRule, OnlyMacroButtonsOfTheCurrentProfileCount) {
  AssignToButton(0, 2, m);          // another profile
  AssignToButton(1, 3, m, 0x70);    // reassigned: a key combination keeps the stale index
  EXPECT_FALSE(CurrentProfileUsesMacroIn(*ctx, ctx->Macros, f));
  ctx->CurrentProfileIndex = 0;
  EXPECT_TRUE(CurrentProfileUsesMacroIn(*ctx, ctx->Macros, f));
  ctx->CurrentProfileIndex = 9;     // no such profile: nothing to protect, nothing read past the table
  EXPECT_FALSE(CurrentProfileUsesMacroIn(*ctx, ctx->Macros, f));
  ctx->CurrentProfileIndex = 1;
  EXPECT_EQ(DeleteMacroNode(*ctx, ctx->Macros, f), MacroDeleteOutcome::kDeleted);
  EXPECT_EQ(ctx->Macros.Level0(0).MacroItemName, u"N");
}

TEST_F(DeleteRule, NothingSelected) {
  EXPECT_EQ(DeleteMacroNode(*ctx, ctx->Macros, MacroLocation::None()), MacroDeleteOutcome::kNothingSelected);
  EXPECT_EQ(DeleteMacroNode(*ctx, ctx->Macros, MacroLocation::Top(5)), MacroDeleteOutcome::kNothingSelected);
  EXPECT_EQ(DeleteMacroNode(*ctx, ctx->Macros, MacroLocation::Grandchild(0, 0, 60)), MacroDeleteOutcome::kNothingSelected);
}

}  // namespace
}  // namespace corvane
