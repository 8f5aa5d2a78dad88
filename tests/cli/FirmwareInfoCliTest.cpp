#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "device/FirmwareImages.h"
#include "device/ImageChecksum.h"
#include "support/CorvanectlRun.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

// corvanectl ARGS (split at spaces) on a fresh data folder.
testing::CliRun Corvanectl(const std::string& args) {
  std::vector<std::string> words;
  std::istringstream in(args);
  for (std::string w; in >> w;) words.push_back(w);
  const testing::TempDataFolder folder;
  return testing::RunCorvanectl(folder.Root(), words);
}

std::string Hex8(std::uint32_t v) {
  char t[16];
  std::snprintf(t, sizeof t, "%.8x", v);
  return t;
}

TEST(FirmwareInfoCli, PrintsSizesAndChecksumsOfTheCarriedImages) {
  const auto app = ApplicationImage();
  const auto loader = LoaderImage();
  const std::string appCs = Hex8(ImageChecksum(app));
  const std::string loaderCs = Hex8(ImageChecksum(loader));
  const auto r = Corvanectl("firmware info");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "application.size=" + std::to_string(app.size()) + "\napplication.loaded=1\n" +
                       "application.checksum=" + appCs + "\napplication.header=" + appCs + "\n" +
                       "loader.size=" + std::to_string(loader.size()) + "\nloader.loaded=1\n" +
                       "loader.checksum=" + loaderCs + "\nloader.header=" +
                       Hex8(ReadImageHeader(loader, kLoaderHeaderOffset)->CS()) + "\n");
  const auto j = Corvanectl("--json firmware info");
  EXPECT_EQ(j.status, 0);
  EXPECT_NE(j.out.find("\"application\":{\"size\":" + std::to_string(app.size())), std::string::npos) << j.out;
}

TEST(FirmwareInfoCli, UsageErrors) {
  for (const char* args : {"firmware", "firmware info extra", "firmware nonsense"})
    EXPECT_EQ(Corvanectl(args).status, 2) << args;
}

}  // namespace
}  // namespace corvane
