// The header rules of the collapsible sections, as a table of clicks on open states.
#include <gtest/gtest.h>

#include <initializer_list>
#include <set>

#include "app/MainWindowSections.h"

namespace corvane::testing {
namespace {

using namespace mainwnd;

SectionStates Open(std::initializer_list<unsigned> headers) {
  SectionStates s{};
  for (unsigned h : headers) s[static_cast<std::size_t>(*SectionOfHeader(h))] = true;
  return s;
}

std::set<unsigned> OpenHeaders(const SectionStates& s) {
  std::set<unsigned> out;
  for (int i = 0; i < kSectionCount; ++i)
    if (s[static_cast<std::size_t>(i)]) out.insert(kSectionHeaders[static_cast<std::size_t>(i)]);
  return out;
}

struct RuleCase {
  const char* what;
  std::initializer_list<unsigned> before;  // open before the click (the clicked one excluded)
  unsigned clicked;                        // opened by the click
  std::set<unsigned> after;
};

TEST(MainWindowSectionsTest, OpeningAHeaderClosesWhatTheRulesSay) {
  const RuleCase cases[] = {
      {"second of the tall group closes the rest and all of the others",
       {kHeaderDpi, kHeaderDebounce},
       kHeaderLighting,
       {kHeaderDpi, kHeaderLighting}},
      {"first of the tall group with the pointer open closes sensor, pairing, firmware",
       {kHeaderPointer, kHeaderSensor, kHeaderPairing, kHeaderFirmware},
       kHeaderPolling,
       {kHeaderPolling, kHeaderPointer}},
      {"first of the tall group alone leaves the small ones",
       {kHeaderSensor, kHeaderFirmware},
       kHeaderDpi,
       {kHeaderDpi, kHeaderSensor, kHeaderFirmware}},
      {"a third of the tall group keeps the first open one only",
       {kHeaderLighting, kHeaderPolling},
       kHeaderLiftOff,
       {kHeaderLighting, kHeaderLiftOff}},
      {"pointer keeps the first open tall section and drops the small ones",
       {kHeaderLighting, kHeaderDebounce, kHeaderSensor, kHeaderPairing},
       kHeaderPointer,
       {kHeaderLighting, kHeaderPointer}},
      {"pointer alone changes nothing", {kHeaderSensor, kHeaderFirmware}, kHeaderPointer,
       {kHeaderPointer, kHeaderSensor, kHeaderFirmware}},
      {"sensor while nothing else is open leaves everything", {}, kHeaderSensor, {kHeaderSensor}},
      {"sensor with one tall section closes the debounce and the small ones",
       {kHeaderDpi, kHeaderDebounce, kHeaderPairing, kHeaderPointer},
       kHeaderSensor,
       {kHeaderDpi, kHeaderSensor}},
      {"pairing with the pointer open keeps only the pointer",
       {kHeaderPointer, kHeaderDebounce, kHeaderSensor, kHeaderFirmware},
       kHeaderPairing,
       {kHeaderPointer, kHeaderPairing}},
      {"pairing without a tall section or pointer leaves the rest",
       {kHeaderDebounce, kHeaderFirmware},
       kHeaderPairing,
       {kHeaderDebounce, kHeaderFirmware, kHeaderPairing}},
      {"firmware keeps the first of the tall group and the pointer counts there",
       {kHeaderPointer, kHeaderDpi, kHeaderDebounce, kHeaderSensor},
       kHeaderFirmware,
       {kHeaderDpi, kHeaderFirmware}},
      {"firmware with the debounce open closes sensor and pairing",
       {kHeaderDebounce, kHeaderSensor, kHeaderPairing},
       kHeaderFirmware,
       {kHeaderDebounce, kHeaderFirmware}},
  };
  for (const auto& c : cases) {
    SectionStates open = Open(c.before);
    open[static_cast<std::size_t>(*SectionOfHeader(c.clicked))] = true;
    EXPECT_EQ(OpenHeaders(ApplySectionHeaderRule(open, c.clicked)), c.after) << c.what;
  }
}

TEST(MainWindowSectionsTest, ClosingNeverClosesAnythingElse) {
  for (unsigned clicked : kSectionHeaders) {
    SectionStates open{};
    open.fill(true);
    open[static_cast<std::size_t>(*SectionOfHeader(clicked))] = false;
    EXPECT_EQ(ApplySectionHeaderRule(open, clicked), open) << clicked;
  }
}

TEST(MainWindowSectionsTest, OtherIdsAreNoHeaders) {
  EXPECT_FALSE(SectionOfHeader(3005));
  EXPECT_FALSE(SectionOfHeader(2049));
  const SectionStates open = Open({kHeaderDpi, kHeaderLighting, kHeaderPolling});
  EXPECT_EQ(ApplySectionHeaderRule(open, 2047), open);
}

}  // namespace
}  // namespace corvane::testing
