// Writes the seed corpora of the fuzz targets: the files and reports the program itself
// makes, from a data folder set up through corvanectl's commands (configuration, profiles,
// a macro library with folders and macros, their export files, the simulated devices'
// state) and from the simulated devices (status reports, replies, report descriptors).
//
//   FuzzSeeds CORPUS_DIR    (one folder per target is filled)
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "FuzzScratch.h"
#include "device/DeviceConstants.h"
#include "device/FirmwareReport.h"
#include "device/sim/SimDevice.h"
#include "device/sim/SimReportDescriptors.h"
#include "device/sim/SimStateFile.h"
#include "device/sim/SimStatusEvents.h"

namespace corvane::cli {
int Main(const std::vector<std::string>& argv);
}

namespace {

namespace fs = std::filesystem;
using corvane::fuzz::WriteBytes;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The same file with every line feed as CR LF, as an editor may save it.
std::string WithCrLf(const std::string& utf16) {
  std::string out;
  for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
    if (utf16[i] == '\n' && utf16[i + 1] == '\0') out += std::string("\r\0", 2);
    out += utf16.substr(i, 2);
  }
  return out;
}

std::string Args(std::initializer_list<std::string> args) {
  std::string out;
  for (const auto& a : args) {
    if (!out.empty()) out.push_back('\0');
    out += a;
  }
  return out;
}

class Corpus {
 public:
  explicit Corpus(fs::path root) : root_(std::move(root)) {}
  void Add(const std::string& target, const std::string& name, const std::string& bytes) {
    WriteBytes(root_ / target / name, bytes);
  }
  void AddFile(const std::string& target, const std::string& name, const fs::path& file) {
    Add(target, name, ReadAll(file));
  }

 private:
  fs::path root_;
};

bool Run(std::vector<std::string> args) {
  if (corvane::cli::Main(args) == 0) return true;
  std::cerr << "FuzzSeeds: a command failed:";
  for (const auto& a : args) std::cerr << " " << a;
  std::cerr << "\n";
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace corvane;
  if (argc != 2) {
    std::cerr << "usage: FuzzSeeds CORPUS_DIR\n";
    return 2;
  }
  Corpus corpus(fs::absolute(argv[1]));
  fuzz::FuzzScratch scratch;
  const fs::path& work = scratch.Root();
  if (chdir(work.c_str()) != 0) return 1;
  const std::string data = "--data-dir=" + (work / "data").string();
  const std::string sim = "--sim-state=" + (work / "sim.txt").string();
  const std::vector<std::vector<std::string>> setup = {
      {data, "init"},
      {data, "macro", "folder", "Games"},
      {data, "macro", "add", "Games/Reload"},
      {data, "macro", "steps", "Games/Reload", "+R", "50ms", "-R"},
      {data, "macro", "folder", "Games/Sub"},
      {data, "macro", "add", "Games/Sub/Deep"},
      {data, "macro", "steps", "Games/Sub/Deep", "+Page Up", "wheel:-3", "mx:5", "my:-2", "-Page Up", "4096ms"},
      {data, "macro", "add", "Top"},
      {data, "macro", "mode", "Top", "2", "7"},
      {data, "macro", "steps", "Top", "+L Key", "20ms", "-L Key"},
      {data, "macro", "export", "Games/Reload", "reload.mkf"},
      {data, "library", "export", "library.mbf"},
      {data, "profile", "export", "0", "profile0.psf"},
      {data, "--simulate", sim, "--no-wait", "button", "5", "macro:Top"},
      {data, "--simulate", sim, "--no-wait", "set", "dpi.0=400", "polling=500"},
  };
  for (const auto& args : setup) {
    if (!Run(args)) return 1;
  }

  const fs::path config = work / "data" / "config";
  corpus.AddFile("FuzzConfigIni", "config.ini", config / "config.ini");
  corpus.Add("FuzzConfigIni", "config-crlf.ini", WithCrLf(ReadAll(config / "config.ini")));
  for (int p = 0; p < 5; ++p) {
    const std::string name = "default" + std::to_string(p) + ".psf";
    corpus.AddFile("FuzzProfileFile", name, config / name);
  }
  corpus.Add("FuzzProfileFile", "default0-crlf.psf", WithCrLf(ReadAll(config / "default0.psf")));
  corpus.AddFile("FuzzMacroLibrary", "MacroLibraryFile.mlf", config / "MacroLibraryFile.mlf");
  corpus.AddFile("FuzzMacroLibrary", "library.mbf", work / "library.mbf");
  corpus.AddFile("FuzzMacroImport", "reload.mkf", work / "reload.mkf");
  corpus.AddFile("FuzzMacroImport", "library.mbf", work / "library.mbf");
  for (const char* name : {"Lan_EN.txt", "Lan.txt"}) {
    const std::string setting = ReadAll(config / "LanSetting.ini");
    // FuzzLanguageFiles reads a length byte before LanSetting.ini (FuzzedDataProvider takes
    // it from the end), so a plain concatenation is a fair start.
    corpus.Add("FuzzLanguageFiles", std::string(name) + ".seed", setting + ReadAll(config / name));
  }
  corpus.AddFile("FuzzSimState", "sim-state.txt", work / "sim.txt");

  // Command lines: every command with typical arguments.
  const std::vector<std::pair<std::string, std::string>> commands = {
      {"show", Args({"show", "--profile", "1"})},
      {"set", Args({"set", "dpi.0=800", "polling=1000", "lift=2"})},
      {"button", Args({"button", "4", "key:ctrl+shift+A"})},
      {"macro", Args({"macro", "add", "M"})},
      {"steps", Args({"macro", "steps", "M", "+A", "10ms", "-A", "wheel:2"})},
      {"profile", Args({"profile", "add", "Work"})},
      {"status", Args({"--json", "status", "--wait", "100"})},
      {"monitor", Args({"monitor", "--count", "2"})},
      {"pair", Args({"--simulate=receiver", "pair", "--timeout", "3"})},
      {"firmware", Args({"firmware", "info"})},
      {"apply", Args({"apply"})},
      {"reset", Args({"reset"})},
      {"devices", Args({"--simulate=wired,receiver,bluetooth", "devices"})},
  };
  for (const auto& [name, bytes] : commands) corpus.Add("FuzzCliArgs", name, bytes);

  // What the simulated devices send and answer.
  constexpr std::array kRoles{DeviceRole::Wired, DeviceRole::Receiver, DeviceRole::Bluetooth};
  SimDevice device(kRoles);
  for (const auto& r : kDeviceRoles) {
    const std::string role(r.name);
    for (const SimInterface iface : {SimInterface::Input, SimInterface::Feature, SimInterface::Pointer}) {
      const auto d = SimReportDescriptor(r.role, iface);
      corpus.Add("FuzzHidDescriptor", role + "-" + std::to_string(static_cast<int>(iface)),
                 std::string(d.begin(), d.end()));
    }
  }
  // FuzzedDataProvider takes each report's role and length from the end of the input, so
  // the reports themselves lead.
  std::string reports;
  for (const std::uint8_t quickLaunch : {0, 2}) {
    const SimReport status = BuildStatusReport(device.State().mouse, true, quickLaunch);
    reports += std::string(status.begin(), status.end());
  }
  const SimReport linkDown = BuildLinkDownReport();
  corpus.Add("FuzzStatusReport", "status", reports);
  corpus.Add("FuzzStatusReport", "link-down", std::string(linkDown.begin(), linkDown.end()) + "\x01\x20");

  // Replies: an acknowledged command, a linked link state, then a firmware header.
  std::string replies;
  const SimReport link = BuildLinkStateReply(true, false);
  replies += "\x01" + std::string(link.begin(), link.end());
  std::string ack(kReportLength, '\0');
  ack[0] = static_cast<char>(kReportCommand);
  ack[1] = 1;
  replies += "\x01\x01" + ack;
  FirmwareReport header = FirmwareReadRequest(FirmwareFlash::kRunningHeader, 16);
  device.SetFeature(DeviceRole::Wired, header.bytes);
  device.GetFeature(DeviceRole::Wired, header.bytes);
  replies += "\x01\x01" + std::string(header.bytes.begin(), header.bytes.end());
  corpus.Add("FuzzFeatureReply", "replies", replies);
  return 0;
}
