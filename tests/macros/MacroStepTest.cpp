#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "macros/MacroStepSyntax.h"
#include "macros/MacroStepText.h"

namespace corvane {
namespace {

MacroAction Step(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) { return {{b0, b1, b2, b3}}; }

TEST(MacroStepText, ShowsEveryKindOfStep) {
  struct Case {
    MacroAction step;
    std::u16string text;
    MacroStepIcon icon;
  };
  const std::vector<Case> cases = {
      {Step(0x03, 0x00, 0x00, 0x32), u"50ms", MacroStepIcon::kDelay},
      {Step(0x03, 0x00, 0x10, 0x00), u"4096ms", MacroStepIcon::kDelay},
      {Step(0x00, 0xFF, 0xFF, 0xFF), u"16777215ms", MacroStepIcon::kDelay},  // any code 0..7 is a delay
      {Step(0x41, 0x00, 0x00, 0x00), u"A", MacroStepIcon::kPress},
      {Step(0x41, 0x80, 0x00, 0x00), u"A", MacroStepIcon::kRelease},
      {Step(0x21, 0x00, 0x00, 0x00), u"Page Up", MacroStepIcon::kPress},
      {Step(0xE0, 0x00, 0x00, 0x00), u"L Key", MacroStepIcon::kPress},
      {Step(0xE4, 0x80, 0x00, 0x00), u"K5", MacroStepIcon::kRelease},
      {Step(0x0E, 0x00, 0x00, 0x00), u"Undefined", MacroStepIcon::kPress},
      {Step(0xE5, 0x00, 0x00, 0x05), u"Move Right 5", MacroStepIcon::kNone},
      {Step(0xE5, 0x00, 0x00, 0xFB), u"Move Left 5", MacroStepIcon::kNone},
      {Step(0xE5, 0x00, 0x00, 0x80), u"Move Left 128", MacroStepIcon::kNone},
      {Step(0xE6, 0x00, 0x00, 0x01), u"Move Down 1", MacroStepIcon::kNone},
      {Step(0xE6, 0x00, 0x00, 0x81), u"Move Up 127", MacroStepIcon::kNone},
      {Step(0xE7, 0x00, 0x00, 0x02), u"Wheel Down 2", MacroStepIcon::kNone},
      {Step(0xE7, 0x00, 0x00, 0xFE), u"Wheel Up 2", MacroStepIcon::kNone},
  };
  for (const auto& c : cases) {
    const MacroStepDisplay d = StepDisplay(c.step);
    EXPECT_EQ(d.Text, c.text) << Utf8(c.text);
    EXPECT_EQ(d.Icon, c.icon) << Utf8(c.text);
  }
}

TEST(MacroStepSyntax, ReadsEveryForm) {
  struct Case {
    std::u16string text;
    MacroAction step;
  };
  const std::vector<Case> cases = {
      {u"+A", Step(0x41, 0x00, 0, 0)},        {u"-A", Step(0x41, 0x80, 0, 0)},
      {u"+a", Step(0x41, 0x00, 0, 0)},        {u"+Page Up", Step(0x21, 0x00, 0, 0)},
      {u"+L Key", Step(0xE0, 0x00, 0, 0)},    {u"-K5", Step(0xE4, 0x80, 0, 0)},
      {u"+-", Step(0xBD, 0x00, 0, 0)},        {u"--", Step(0xBD, 0x80, 0, 0)},
      {u"+0x0E", Step(0x0E, 0x00, 0, 0)},     {u"-0xe4", Step(0xE4, 0x80, 0, 0)},
      {u"50ms", Step(0x03, 0x00, 0x00, 0x32)}, {u"0ms", Step(0x03, 0, 0, 0)},
      {u"4096ms", Step(0x03, 0x00, 0x10, 0x00)}, {u"15300000ms", Step(0x03, 0xE9, 0x75, 0xA0)},
      {u"mx:-5", Step(0xE5, 0, 0, 0xFB)},     {u"mx:+3", Step(0xE5, 0, 0, 0x03)},
      {u"my:127", Step(0xE6, 0, 0, 0x7F)},    {u"my:-128", Step(0xE6, 0, 0, 0x80)},
      {u"wheel:-1", Step(0xE7, 0, 0, 0xFF)},  {u"wheel:2", Step(0xE7, 0, 0, 0x02)},
  };
  for (const auto& c : cases) {
    MacroAction got;
    std::string error;
    ASSERT_TRUE(ParseMacroStep(c.text, got, error)) << Utf8(c.text) << ": " << error;
    EXPECT_EQ(got, c.step) << Utf8(c.text);
  }
}

TEST(MacroStepSyntax, RefusesWhatIsNoStep) {
  for (const std::u16string text :
       {u"+Undefined", u"+LBUTTON", u"+Mouse X", u"+Nope", u"+0x07", u"+0xE5", u"+0x", u"+0x123", u"+", u"A", u"",
        u"15300001ms", u"99999999999ms", u"-5ms", u"ms", u"5 ms", u"mx:128", u"my:-129", u"mx:", u"mx:1.5",
        u"wheel:--1", u"wheel:99999999999999999999"}) {
    MacroAction got;
    std::string error;
    EXPECT_FALSE(ParseMacroStep(text, got, error)) << Utf8(text);
    EXPECT_FALSE(error.empty()) << Utf8(text);
  }
}

TEST(MacroStepSyntax, WrittenFormReadsBack) {
  std::vector<MacroAction> steps;
  for (int code = 8; code <= 0xE4; ++code) {
    steps.push_back(MakeKeyStep(static_cast<std::uint8_t>(code), false));
    steps.push_back(MakeKeyStep(static_cast<std::uint8_t>(code), true));
  }
  for (int v : {-128, -1, 0, 1, 127}) {
    for (std::uint8_t code : {kMacroMoveX, kMacroMoveY, kMacroWheel}) {
      steps.push_back(MakeMotionStep(code, static_cast<std::int8_t>(v)));
    }
  }
  for (std::uint32_t ms : {0u, 1u, 4095u, 15300000u}) steps.push_back(MakeDelayStep(ms));
  for (const MacroAction& s : steps) {
    MacroAction back;
    std::string error;
    const std::u16string text = FormatMacroStep(s);
    ASSERT_TRUE(ParseMacroStep(text, back, error)) << Utf8(text) << ": " << error;
    EXPECT_EQ(back, s) << Utf8(text);
  }
  EXPECT_EQ(FormatMacroStep(Step(0x41, 0x80, 0, 0)), u"-A");
  EXPECT_EQ(FormatMacroStep(Step(0x0E, 0x00, 0, 0)), u"+0x0E");  // no name of its own
  EXPECT_EQ(FormatMacroStep(Step(0x06, 0x00, 0x01, 0x00)), u"256ms");
}

}  // namespace
}  // namespace corvane
