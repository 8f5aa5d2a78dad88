#include "macros/MacroStepText.h"

#include <cstdlib>

#include "settings/KeyTables.h"
#include "settings/TextUtil.h"

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
  if (IsDelayStep(step)) return {FormatDecimal(DelayOf(step)) + u"ms", MacroStepIcon::kDelay};
  for (const auto& s : kSignedSteps) {
    if (step.bytes[0] != s.Code) continue;
    const int amount = static_cast<std::int8_t>(step.bytes[3]);
    return {std::u16string(amount < 0 ? s.Negative : s.NotNegative) + FormatDecimal(std::abs(amount)),
            MacroStepIcon::kNone};
  }
  const bool release = (step.bytes[1] & kMacroReleaseBit) != 0;
  return {std::u16string(KeyName(step.bytes[0])), release ? MacroStepIcon::kRelease : MacroStepIcon::kPress};
}

}  // namespace corvane
