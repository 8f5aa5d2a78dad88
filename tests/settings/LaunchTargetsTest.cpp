// Launch targets of a profile: listed in button order whatever the button's function,
// cleared without touching the buttons' functions and labels.
#include <gtest/gtest.h>

#include "settings/LaunchTargets.h"
#include "settings/ProfileTable.h"

namespace corvane {
namespace {

TEST(LaunchTargets, ListedInButtonOrderAndClearedKeepingTheFunctions) {
  ProfileRecord p;
  p.Buttons[5].Value = {0x60, 0x05, 0x00};
  p.Buttons[5].Name = u"editor";
  p.Buttons[5].URL = u"/usr/bin/editor";
  // A target on a button of another function is still what the launch request opens.
  p.Buttons[1].Value = {0x10, 0x02, 0x00};
  p.Buttons[1].URL = u"https://example.org/";
  const std::vector<LaunchTarget> targets = LaunchTargetsOf(p);
  ASSERT_EQ(targets.size(), 2u);
  EXPECT_EQ(targets[0].Button, 1);
  EXPECT_EQ(targets[0].Target, u"https://example.org/");
  EXPECT_EQ(targets[1].Button, 5);
  EXPECT_EQ(targets[1].Target, u"/usr/bin/editor");

  ClearLaunchTargets(p);
  EXPECT_TRUE(LaunchTargetsOf(p).empty());
  EXPECT_EQ(p.Buttons[5].Value, (std::array<std::uint8_t, 3>{0x60, 0x05, 0x00}));
  EXPECT_EQ(p.Buttons[5].Name, u"editor");
}

}  // namespace
}  // namespace corvane
