#include "macros/MacroStepText.h"

#include <cstdlib>

#include "base/TextUtil.h"
#include "settings/KeyTables.h"

namespace corvane {
namespace {

// Text of a signed movement or wheel amount: the direction word for its sign, then the
// absolute value.
struct SignedStepText {
  std::uint8_t Code;
  std::u16string_view NotNegative;
  std::u16string_view Negative;
};

constexpr SignedStepText kSignedSteps[] = {
    {kMacroMoveX, u"Move Right ", u"Move Left "},
    {kMacroMoveY, u"Move Down ", u"Move Up "},
    {kMacroWheel, u"Wheel Down ", u"Wheel Up "},
};

}  // namespace

MacroStepDisplay StepDisplay(const MacroAction& step) {
  MacroStepDisplay d;
  if (IsDelayStep(step)) {
    d.Text = FormatDecimal(DelayOf(step));
    d.Text += u"ms";
    d.Icon = MacroStepIcon::kDelay;
    return d;
  }
  for (const auto& s : kSignedSteps) {
    if (step.bytes[0] != s.Code) continue;
    const int amount = static_cast<std::int8_t>(step.bytes[3]);
    d.Text = amount < 0 ? s.Negative : s.NotNegative;
    d.Text += FormatDecimal(std::abs(amount));
    return d;
  }
  const bool release = (step.bytes[1] & kMacroReleaseBit) != 0;
  d.Text = KeyName(step.bytes[0]);
  d.Icon = release ? MacroStepIcon::kRelease : MacroStepIcon::kPress;
  return d;
}

}  // namespace corvane
