#include "device/linux/HidrawEnumeration.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <system_error>

#include "base/TextUtil.h"
#include "device/linux/HidReportDescriptor.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

constexpr std::uint16_t kBusUsb = 0x0003;  // BUS_USB of <linux/input.h>
// The kernel caps descriptors at 4096 bytes; anything longer is not a HID device's.
constexpr std::size_t kMaxDescriptorBytes = 4096;
constexpr std::size_t kMaxUeventBytes = 16384;
constexpr std::size_t kMaxAttributeBytes = 64;
// From a HID device up to its USB device is two levels; sysfs is never this deep.
constexpr int kMaxAncestorLevels = 64;

// Reads a small regular file whole; nothing when it is missing, not a regular file or
// longer than maxBytes (a partial read would only mislead the parsers).
std::optional<std::string> ReadSmallFile(const fs::path& path, std::size_t maxBytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> out;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    std::string data(maxBytes + 1, '\0');
    std::size_t got = 0;
    bool failed = false;
    while (got < data.size()) {
      const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
      if (n == 0) break;
      if (n < 0) {
        if (errno == EINTR) continue;
        failed = true;
        break;
      }
      got += static_cast<std::size_t>(n);
    }
    if (!failed && got <= maxBytes) {
      data.resize(got);
      out = std::move(data);
    }
  }
  ::close(fd);
  return out;
}

// Hexadecimal text of at most maxDigits digits, surrounding white space allowed.
std::optional<std::uint32_t> ParseHex(std::string_view text, std::size_t maxDigits) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return std::nullopt;
  text.remove_prefix(first);
  text = text.substr(0, text.find_last_not_of(" \t\r\n") + 1);
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : text) {
    const int digit = HexDigitValue(static_cast<unsigned char>(c));
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

std::optional<std::uint16_t> ParseHex16(std::string_view text) {
  const auto v = ParseHex(text, 8);
  if (!v || *v > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(*v);
}

bool IsUnder(const fs::path& path, const fs::path& root) {
  auto p = path.begin();
  for (auto r = root.begin(); r != root.end(); ++r, ++p) {
    if (r->empty()) continue;  // a trailing separator of root
    if (p == path.end() || *p != *r) return false;
  }
  return true;
}

// bcdDevice of the USB device a USB HID device belongs to: the first ancestor that has
// idVendor. Only USB HID devices ask: a Bluetooth HID device may sit below a USB
// Bluetooth adapter, whose numbers are not the mouse's.
std::uint16_t UsbVersion(const fs::path& hidDevice, std::uint16_t vendor, const fs::path& sysRoot) {
  fs::path dir = hidDevice.parent_path();
  for (int level = 0; level < kMaxAncestorLevels; ++level) {
    if (dir == sysRoot || !IsUnder(dir, sysRoot) || dir == dir.parent_path()) break;
    if (const auto idVendor = ReadSmallFile(dir / "idVendor", kMaxAttributeBytes)) {
      if (ParseHex16(*idVendor) != vendor) return 0;
      const auto bcd = ReadSmallFile(dir / "bcdDevice", kMaxAttributeBytes);
      const auto version = bcd ? ParseHex16(*bcd) : std::nullopt;
      return version.value_or(0);
    }
    dir = dir.parent_path();
  }
  return 0;
}

// "hidraw12" -> 12; nothing for other names.
std::optional<unsigned long> NodeNumber(const std::string& name) {
  constexpr std::string_view kPrefix = "hidraw";
  if (name.size() <= kPrefix.size() || name.size() > kPrefix.size() + 9 || name.compare(0, kPrefix.size(), kPrefix) != 0) {
    return std::nullopt;
  }
  unsigned long n = 0;
  for (std::size_t i = kPrefix.size(); i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9') return std::nullopt;
    n = n * 10 + static_cast<unsigned long>(name[i] - '0');
  }
  return n;
}

}  // namespace

std::optional<HidId> ParseHidUevent(std::string_view uevent) {
  constexpr std::string_view kKey = "HID_ID=";
  while (!uevent.empty()) {
    const auto eol = uevent.find('\n');
    std::string_view line = uevent.substr(0, eol);
    uevent = eol == std::string_view::npos ? std::string_view{} : uevent.substr(eol + 1);
    if (line.substr(0, kKey.size()) != kKey) continue;
    line.remove_prefix(kKey.size());
    const auto c1 = line.find(':');
    const auto c2 = c1 == std::string_view::npos ? c1 : line.find(':', c1 + 1);
    if (c2 == std::string_view::npos) return std::nullopt;
    const auto bus = ParseHex16(line.substr(0, c1));
    const auto vendor = ParseHex16(line.substr(c1 + 1, c2 - c1 - 1));
    const auto product = ParseHex16(line.substr(c2 + 1));
    if (!bus || !vendor || !product) return std::nullopt;
    return HidId{*bus, *vendor, *product};
  }
  return std::nullopt;
}

std::vector<HidInterfaceInfo> EnumerateHidraw(const fs::path& sysRoot, const fs::path& devRoot) {
  std::error_code ec;
  const fs::path root = fs::canonical(sysRoot, ec);
  if (ec) return {};
  std::vector<std::pair<unsigned long, std::string>> nodes;
  for (fs::directory_iterator it(root / "class" / "hidraw", ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (const auto n = NodeNumber(name)) nodes.emplace_back(*n, name);
  }
  std::sort(nodes.begin(), nodes.end());

  std::vector<HidInterfaceInfo> found;
  for (const auto& [number, name] : nodes) {
    std::error_code linkError;
    const fs::path hidDevice = fs::canonical(root / "class" / "hidraw" / name / "device", linkError);
    if (linkError) continue;
    const auto uevent = ReadSmallFile(hidDevice / "uevent", kMaxUeventBytes);
    const auto id = uevent ? ParseHidUevent(*uevent) : std::nullopt;
    if (!id) continue;

    HidInterfaceInfo info;
    info.path = (devRoot / name).string();
    info.vendor = id->vendor;
    info.product = id->product;
    info.version = id->bus == kBusUsb ? UsbVersion(hidDevice, id->vendor, root) : 0;
    std::vector<HidCapsLengths> collections;
    if (const auto descriptor = ReadSmallFile(hidDevice / "report_descriptor", kMaxDescriptorBytes)) {
      collections = ParseHidReportDescriptor(std::span(
                        reinterpret_cast<const std::uint8_t*>(descriptor->data()), descriptor->size()))
                        .collections;
    }
    // A node without a usable descriptor is still listed once, with no report lengths.
    if (collections.empty()) collections.emplace_back();
    for (const auto& caps : collections) {
      info.inputReportLength = caps.input;
      info.featureReportLength = caps.feature;
      found.push_back(info);
    }
  }
  return found;
}

}  // namespace corvane
