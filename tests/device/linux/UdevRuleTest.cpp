// The udev rule the package installs: access to this mouse's hidraw nodes for the user at
// the seat (uaccess) and nothing else: no other vendor's or product's nodes, no other
// subsystem, no mode, group or owner for everybody, nothing run.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "device/DeviceRole.h"

namespace corvane {
namespace {

std::vector<std::string> RuleLines() {
  std::ifstream in(std::string(CORVANE_SOURCE_DIR) + "/res/udev/70-corvane.rules");
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) {
    if (!l.empty() && l[0] != '#') lines.push_back(l);
  }
  return lines;
}

std::string Hex4(std::uint16_t v, bool upper) {
  char buf[8];
  std::snprintf(buf, sizeof buf, upper ? "%04X" : "%04x", v);
  return buf;
}

TEST(UdevRule, GrantsTheSeatUserThisMouseOnly) {
  const std::vector<std::string> lines = RuleLines();
  ASSERT_FALSE(lines.empty());
  // Every rule that grants something comes after the exit for anything but hidraw.
  bool hidrawOnly = false;
  std::set<std::string> products;
  for (const std::string& line : lines) {
    for (const char* forbidden : {"MODE", "GROUP", "OWNER", "RUN", "PROGRAM", "IMPORT", "SYMLINK", "ENV{"}) {
      EXPECT_EQ(line.find(forbidden), std::string::npos) << line;
    }
    if (line == R"(SUBSYSTEM!="hidraw", GOTO="corvane_end")") hidrawOnly = true;
    if (line.find("TAG+=") == std::string::npos) continue;
    EXPECT_TRUE(hidrawOnly) << line;
    // The only assignment is the uaccess tag.
    EXPECT_EQ(line.substr(line.find("TAG+=")), R"(TAG+="uaccess")") << line;
    const bool usb = line.find(R"(ATTRS{idVendor}=="248a")") != std::string::npos;
    const bool hid = line.find("KERNELS==") != std::string::npos;
    EXPECT_TRUE(usb != hid) << line;
    const std::regex product(usb ? "([0-9a-f]{4})" : ":248A:([0-9A-F]{4})\\.");
    const std::size_t from = line.find(usb ? "idProduct" : "KERNELS");
    const std::string ids = line.substr(from, line.find("TAG+=") - from);
    for (auto it = std::sregex_iterator(ids.begin(), ids.end(), product); it != std::sregex_iterator(); ++it) {
      products.insert((usb ? "usb " : "hid ") + (*it)[1].str());
    }
  }
  std::set<std::string> expected;
  EXPECT_EQ(kVendorId, 0x248A);
  for (const auto& r : kDeviceRoles) {
    expected.insert("usb " + Hex4(r.productId, false));
    expected.insert("hid " + Hex4(r.productId, true));
  }
  EXPECT_EQ(products, expected);
}

}  // namespace
}  // namespace corvane
