#include <gtest/gtest.h>

#include "device/DeviceRole.h"
#include "device/linux/HidReportDescriptor.h"
#include "device/sim/SimReportDescriptors.h"

namespace corvane {
namespace {

// The simulated mouse promises report lengths to the simulated backend; parsed the way
// the hidraw backend parses a real device's descriptor, its descriptors must give the
// same lengths, or discovery would behave differently with the real stack.
TEST(SimDescriptorLengths, ParsedLengthsMatchWhatTheSimulationReports) {
  for (const auto& role : kDeviceRoles) {
    for (const SimInterface iface : {SimInterface::Input, SimInterface::Feature, SimInterface::Pointer}) {
      const auto summary = ParseHidReportDescriptor(SimReportDescriptor(role.role, iface));
      const auto expected = SimInterfaceLengths(iface);
      const auto what = std::string(role.name) + " interface " + std::to_string(static_cast<int>(iface));
      EXPECT_TRUE(summary.valid) << what << ": " << summary.error;
      EXPECT_EQ(summary.CapsLength(HidReportType::Input), expected.input) << what;
      EXPECT_EQ(summary.CapsLength(HidReportType::Feature), expected.feature) << what;
    }
  }
}

}  // namespace
}  // namespace corvane
