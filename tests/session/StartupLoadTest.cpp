#include <gtest/gtest.h>

#include <memory>

#include "session/AppContext.h"
#include "session/StartupLoad.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

TEST(StartupLoad, FillsAnEmptyDataFolderInOrder) {
  testing::TempDataFolder folder;
  const auto ctx = std::make_unique<AppContext>();
  ctx->DataFolder = folder.Path("new/data");
  RunStartupLoad(*ctx);
  for (const char* name : {"config/config.ini", "config/default0.psf", "config/default4.psf", "config/Lan_EN.txt"}) {
    EXPECT_TRUE(folder.Exists(std::string("new/data/") + name)) << name;
  }
  // The language is loaded before the profiles are defaulted: their names come from it.
  ASSERT_FALSE(ctx->Language.Text(85).empty());
  EXPECT_EQ(ctx->Profiles[0].ProfileName(), ctx->Language.Text(85));
  EXPECT_EQ(ctx->Profiles[0].Buttons[0].Name, ctx->Language.Text(20));
  // The ladder is built for the configured sensor.
  EXPECT_EQ(ctx->Dpi.SensorId, 0x3311);
  EXPECT_EQ(ctx->Dpi.DpiStepCount, 240);
}

TEST(StartupLoad, UnusableDataFolderStillStarts) {
  testing::TempDataFolder folder;
  folder.PutBytes("a-file", "x");
  const auto ctx = std::make_unique<AppContext>();
  ctx->DataFolder = folder.Path("a-file");  // cannot hold a config folder
  RunStartupLoad(*ctx);
  EXPECT_EQ(ctx->Config.GetConfigText(1, 1), u"0x3311");
  EXPECT_EQ(ctx->Profiles[4].XYSettingX[0], 9);
  EXPECT_EQ(ctx->Dpi.DpiStepCount, 240);
}

}  // namespace
}  // namespace corvane
