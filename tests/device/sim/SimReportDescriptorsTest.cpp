// The simulated interfaces' report descriptors come out, parsed as the system parses
// them, with the lengths the device link looks for.
#include <gtest/gtest.h>

#include "device/linux/HidReportDescriptor.h"
#include "device/sim/SimBackend.h"
#include "device/sim/SimReportDescriptors.h"

namespace corvane {
namespace {

TEST(SimReportDescriptorsTest, LengthsPerRoleAndInterface) {
  struct Case {
    SimInterface iface;
    std::uint16_t input, feature;
  };
  const Case cases[] = {
      {SimInterface::Input, 32, 0},
      {SimInterface::Feature, 0, 32},
      {SimInterface::Pointer, 7, 0},
  };
  for (const auto& role : kDeviceRoles) {
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << role.name << " " << int(c.iface));
      const HidReportSummary s = ParseHidReportDescriptor(SimReportDescriptor(role.role, c.iface));
      ASSERT_TRUE(s.valid) << s.error;
      EXPECT_TRUE(s.usesReportIds);
      EXPECT_EQ(s.CapsLength(HidReportType::Input), c.input);
      EXPECT_EQ(s.CapsLength(HidReportType::Feature), c.feature);
      EXPECT_EQ(s.CapsLength(HidReportType::Output), 0);
      EXPECT_EQ(SimInterfaceLengths(c.iface).input, c.input);
      EXPECT_EQ(SimInterfaceLengths(c.iface).feature, c.feature);
    }
  }
}

// Enumeration reports what the descriptors say.
TEST(SimReportDescriptorsTest, EnumerationAgreesWithTheDescriptors) {
  SimBackend sim(SimOptions{{DeviceRole::Wired, DeviceRole::Receiver, DeviceRole::Bluetooth}, {}});
  const auto list = sim.Enumerate();
  ASSERT_EQ(list.size(), 9u);
  for (const auto& info : list) {
    SCOPED_TRACE(info.path);
    const auto role = RoleOfProduct(info.vendor, info.product);
    ASSERT_TRUE(role);
    const SimInterface iface = info.path.ends_with(":input")     ? SimInterface::Input
                               : info.path.ends_with(":feature") ? SimInterface::Feature
                                                                 : SimInterface::Pointer;
    const HidReportSummary s = ParseHidReportDescriptor(SimReportDescriptor(*role, iface));
    EXPECT_EQ(info.inputReportLength, s.CapsLength(HidReportType::Input));
    EXPECT_EQ(info.featureReportLength, s.CapsLength(HidReportType::Feature));
  }
}

}  // namespace
}  // namespace corvane
