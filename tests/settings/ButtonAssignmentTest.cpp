// Button functions: the values of every menu, submenu and dialog, storing a choice in
// the profile, and the left click that must remain.
#include "settings/ButtonAssignment.h"

#include <gtest/gtest.h>

#include "lang/LanguageEntries.h"
#include "lang/LanguageTable.h"
#include "macros/MacroPicker.h"
#include "settings/KeyTables.h"
#include "settings/ProfileTable.h"
#include "support/HexBytes.h"

namespace corvane {
namespace {

using testing::HexText;

class ButtonAssignment : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int t = 0; t < 300; ++t) lang.Texts[static_cast<std::size_t>(t)] = u"T" + std::u16string(1, char16_t(u'0' + t % 10));
    lang.Texts[kTextLeftClick] = u"Left";
    lang.Texts[kTextDisable] = u"Off";
    lang.Texts[kTextDpiLock] = u"Lock";
    lang.Texts[kTextFireKeyCustom] = u"Fire+";
    lang.Texts[kTextMacroPrefix] = u"Macro: ";
    ResetProfileToDefaults(p, 0, lang, 0x3311);
  }
  LanguageTable lang;
  ProfileRecord p;
  DeviceDirtyFlags dirty;
};

TEST_F(ButtonAssignment, MenuValues) {
  const std::pair<int, const char*> items[] = {
      {1, "10 01 00"}, {2, "10 02 00"}, {3, "10 04 00"}, {4, "10 10 00"},
      {5, "10 08 00"}, {8, "30 32 03"}, {14, "60 04 00"}, {17, "00 00 00"},
  };
  for (const auto& [code, value] : items) {
    const auto choice = MenuChoice(lang, code);
    ASSERT_TRUE(choice) << code;
    EXPECT_EQ(HexText(choice->Value), value) << code;
    EXPECT_EQ(choice->Label, lang.Text(ButtonMenuItemOf(code)->LabelText)) << code;
  }
  // Submenus and dialogs give no value of their own.
  for (int code : {6, 7, 9, 10, 11, 12, 13, 15, 16, 0, 18}) EXPECT_FALSE(MenuChoice(lang, code)) << code;
  EXPECT_EQ(lang.Text(kButtonMenu[16].LabelText), u"Off");
}

TEST_F(ButtonAssignment, SubmenuValues) {
  struct Case {
    ButtonSubmenu menu;
    std::vector<const char*> values;
    int firstText;
  };
  const Case cases[] = {
      {ButtonSubmenu::Dpi, {"40 02 00", "40 03 00", "40 01 00"}, kTextDpiUp},
      {ButtonSubmenu::Multimedia,
       {"80 83 01", "80 B6 00", "80 B5 00", "80 B7 00", "80 CD 00", "80 E2 00", "80 E9 00", "80 EA 00", "80 8A 01",
        "80 92 01"},
       kTextMultimediaFirst},
      {ButtonSubmenu::Office,
       {"70 01 06", "70 01 19", "70 01 1B", "70 01 04", "70 01 11", "70 01 16", "70 01 13", "70 08 08", "70 01 1D"},
       kTextOfficeFirst},
      {ButtonSubmenu::Window, {"80 94 01", "70 04 3D", "70 08 07", "70 08 15", "70 08 51", "70 08 52"},
       kTextWindowControlFirst},
  };
  for (const auto& c : cases) {
    for (std::size_t i = 0; i < c.values.size(); ++i) {
      const auto choice = SubmenuChoice(lang, c.menu, static_cast<int>(i + 1));
      ASSERT_TRUE(choice);
      EXPECT_EQ(HexText(choice->Value), c.values[i]) << i;
      EXPECT_EQ(choice->Label, lang.Text(c.firstText + static_cast<int>(i)));
    }
    EXPECT_FALSE(SubmenuChoice(lang, c.menu, 0));
    EXPECT_FALSE(SubmenuChoice(lang, c.menu, static_cast<int>(c.values.size() + 1)));
  }
}

TEST_F(ButtonAssignment, DpiLockByTheSensor) {
  const auto lock = DpiLockChoice(lang, 0x3311, 7);
  ASSERT_TRUE(lock);
  EXPECT_EQ(lock->Label, u"Lock-800");
  EXPECT_EQ(HexText(lock->Value), "50 09 00");
  // A sensor without a row of its own: the item number.
  EXPECT_EQ(HexText(DpiLockChoice(lang, 0x3395, 11)->Value), "50 0B 00");
  EXPECT_FALSE(DpiLockChoice(lang, 0x3311, 12));
}

TEST_F(ButtonAssignment, DialogChoices) {
  const FireKeyOutcome fire = FireKeyChoice(lang, 5, 3);
  ASSERT_TRUE(fire.Choice);
  EXPECT_EQ(HexText(fire.Choice->Value), "30 05 03");
  EXPECT_EQ(fire.Choice->Label, u"Fire");
  EXPECT_EQ(FireKeyChoice(lang, 4, 3).RefusalText, kTextFireIntervalRange);
  EXPECT_EQ(FireKeyChoice(lang, 256, 3).RefusalText, kTextFireIntervalRange);
  EXPECT_EQ(FireKeyChoice(lang, 255, 256).RefusalText, kTextFireCountRange);
  EXPECT_EQ(HexText(FireKeyChoice(lang, 255, 255).Choice->Value), "30 FF FF");

  const ButtonFunction launch = QuickLaunchChoice(u"/opt/tools/calc");
  EXPECT_EQ(launch.Label, u"calc");
  EXPECT_EQ(launch.Url, u"/opt/tools/calc");
  EXPECT_EQ(HexText(launch.Value), "60 05 00");

  ShortcutChoice keys;
  keys.Ctrl = keys.Shift = true;
  keys.KeyName = u"A";
  keys.KeyCode = 0x04;
  const auto combo = KeyCombinationChoice(keys);
  ASSERT_TRUE(combo);
  EXPECT_EQ(combo->Label, u"Ctrl+Shift+A");
  EXPECT_EQ(HexText(combo->Value), "70 03 04");
  EXPECT_FALSE(KeyCombinationChoice(ShortcutChoice{}));
}

TEST_F(ButtonAssignment, MacroPickerGivesTheMacroOrNothing) {
  MacroLibrary library;
  MacroLocation at = MacroLocation::None();
  ASSERT_EQ(library.NewFolder(u"Folder", at), 0);
  const MacroNode* folder = library.NodeAt(at);
  ASSERT_EQ(library.NewMacro(u"Combo", at), 0);
  MacroNode* node = library.NodeAt(at);
  node->Item->InsertAction(0, MakeKeyStep(0x41, false));

  const ButtonFunction picked = MacroPickerChoice(lang, node);
  EXPECT_EQ(picked.Label, u"Macro: Combo");
  EXPECT_EQ(HexText(picked.Value), "90 00 00");
  ApplyButtonChoice(p, 3, picked, lang, dirty);
  EXPECT_EQ(p.Buttons[3].MacroKeyIndex, node->Item->MacroKeyIndex);
  EXPECT_EQ(p.Buttons[3].Macro.MacroActionNum, 1u);
  EXPECT_EQ(p.Buttons[3].Macro.MacroItemName, u"Combo");

  for (const MacroNode* none : {folder, static_cast<const MacroNode*>(nullptr)}) {
    const ButtonFunction off = MacroPickerChoice(lang, none);
    EXPECT_EQ(off.Label, u"Off");
    EXPECT_EQ(HexText(off.Value), "00 00 00");
  }
  // Another function empties the macro copy.
  ApplyButtonChoice(p, 3, *MenuChoice(lang, 2), lang, dirty);
  EXPECT_EQ(p.Buttons[3].Macro.MacroActionNum, 0u);
  EXPECT_EQ(p.Buttons[3].Macro.MacroItemName, u"");
}

TEST_F(ButtonAssignment, StoringAChoice) {
  p.Buttons[6].URL = u"/old";
  ApplyButtonChoice(p, ButtonOfControl(2019), QuickLaunchChoice(u"/usr/bin/game"), lang, dirty);
  EXPECT_EQ(p.Buttons[6].Name, u"game");
  EXPECT_EQ(p.Buttons[6].URL, u"/usr/bin/game");
  EXPECT_EQ(HexText(p.Buttons[6].Value), "60 05 00");
  EXPECT_EQ(dirty.ButtonsDirty, 1);
  // Controls 2020 and 2021 are bound to no button.
  const ProfileRecord before = p;
  dirty = {};
  EXPECT_FALSE(ButtonOfControl(2020));
  const CommandEffect e = ApplyButtonChoice(p, ButtonOfControl(2021), *MenuChoice(lang, 17), lang, dirty);
  EXPECT_TRUE(e.ScheduleApply);  // the left-click check still runs
  for (int i = 0; i < kButtonCount; ++i) EXPECT_EQ(p.Buttons[i].Value, before.Buttons[i].Value);
}

TEST_F(ButtonAssignment, LastLeftClickComesBack) {
  // Button 0 is the only left click.
  const CommandEffect e = ApplyButtonChoice(p, 0, *MenuChoice(lang, 17), lang, dirty);
  EXPECT_EQ(p.Buttons[0].Name, u"Left");
  EXPECT_EQ(HexText(p.Buttons[0].Value), "10 01 00");
  EXPECT_EQ(e.AttentionText, kTextLeftClickRestored);
  EXPECT_EQ(e.AttentionDelayMs, 100);
  EXPECT_FALSE(e.ScheduleApply);
  EXPECT_FALSE(dirty.Any());
  // With a second left click elsewhere the first may go.
  ApplyButtonChoice(p, 4, *MenuChoice(lang, 1), lang, dirty);
  dirty = {};
  const CommandEffect ok = ApplyButtonChoice(p, 0, *MenuChoice(lang, 17), lang, dirty);
  EXPECT_EQ(ok.AttentionText, 0);
  EXPECT_TRUE(ok.ScheduleApply);
  EXPECT_EQ(HexText(p.Buttons[0].Value), "00 00 00");
}

}  // namespace
}  // namespace corvane
