#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "device/FirmwareImages.h"
#include "device/ImageChecksum.h"

namespace corvane {
namespace {

struct Run {
  int status;
  std::string out;
};

Run Corvanectl(const std::string& args) {
  const auto dir = std::filesystem::temp_directory_path() / "corvane-fwinfo-test";
  const std::string cmd = std::string(CORVANECTL_PATH) + " --data-dir '" + dir.string() + "' " + args + " 2>/dev/null";
  Run r{-1, {}};
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  char buf[512];
  while (const std::size_t n = fread(buf, 1, sizeof buf, p)) r.out.append(buf, n);
  const int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
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
