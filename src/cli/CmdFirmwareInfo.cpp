// corvanectl firmware: the carried firmware images. "info" prints the size and checksum
// of the application and loader images as the firmware dialog loads them; "update"
// (CmdFirmwareUpdate.cpp) writes them into the cable mouse.
#include <cstdio>
#include <ostream>
#include <span>
#include <string>

#include "cli/Cli.h"
#include "cli/CmdFirmwareUpdate.h"
#include "device/FirmwareImages.h"
#include "device/ImageChecksum.h"

namespace corvane::cli {
namespace {

// Lower-case, eight digits, as the firmware dialog shows checksums.
std::string Hex8(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%.8x", value);
  return text;
}

struct ImageInfo {
  const char* name;
  std::span<const std::uint8_t> carried;
  bool loaded;
  std::uint32_t headerCS;
};

void PrintInfo(const CliContext& ctx, const ImageInfo (&images)[2]) {
  if (ctx.options.json) {
    ctx.out << "{";
    const char* sep = "";
    for (const auto& i : images) {
      ctx.out << sep << "\"" << i.name << "\":{\"size\":" << i.carried.size()
              << ",\"loaded\":" << (i.loaded ? "true" : "false") << ",\"checksum\":\""
              << Hex8(ImageChecksum(i.carried)) << "\",\"header\":\"" << Hex8(i.headerCS) << "\"}";
      sep = ",";
    }
    ctx.out << "}\n";
    return;
  }
  for (const auto& i : images) {
    ctx.out << i.name << ".size=" << i.carried.size() << "\n"
            << i.name << ".loaded=" << (i.loaded ? 1 : 0) << "\n"
            << i.name << ".checksum=" << Hex8(ImageChecksum(i.carried)) << "\n"
            << i.name << ".header=" << Hex8(i.headerCS) << "\n";
  }
}

int RunFirmwareInfo(CliContext& ctx, const std::vector<std::string>& args) {
  if (!args.empty()) return ctx.Usage("firmware info takes no arguments");
  const auto app = ApplicationImage();
  const auto loader = LoaderImage();
  const LoadedImages loaded = LoadFirmwareImages(app, loader);
  const auto appHeader = ReadImageHeader(app, kApplicationHeaderOffset);
  const auto loaderHeader = ReadImageHeader(loader, kLoaderHeaderOffset);
  const ImageInfo images[2] = {
      {"application", app, !loaded.ApplicationError, appHeader ? appHeader->CS() : 0},
      {"loader", loader, !loaded.Loader.empty(), loaderHeader ? loaderHeader->CS() : 0},
  };
  PrintInfo(ctx, images);
  if (loaded.ApplicationError) return ctx.Refuse(std::u16string(kAppFileErrorText));
  return kExitOk;
}

struct FirmwareSubcommand {
  const char* name;
  CliCommandFn run;
};

constexpr FirmwareSubcommand kFirmwareSubcommands[] = {
    {"info", &RunFirmwareInfo},
    {"update", &RunFirmwareUpdate},
};

int RunFirmware(CliContext& ctx, const std::vector<std::string>& args) {
  if (args.empty()) return ctx.Usage("firmware needs a subcommand");
  for (const auto& sub : kFirmwareSubcommands)
    if (args[0] == sub.name) return sub.run(ctx, std::vector<std::string>(args.begin() + 1, args.end()));
  return ctx.Usage("unknown firmware subcommand " + args[0]);
}

const CliCommandRegistrar kFirmware{"firmware", "firmware info|update        the carried images; update the cable mouse's firmware",
                                    &RunFirmware};

}  // namespace
}  // namespace corvane::cli
