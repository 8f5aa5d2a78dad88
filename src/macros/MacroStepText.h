#pragma once
// How the step list shows a macro step: a text and one of three icons.
#include <string>

#include "settings/MacroItem.h"

namespace corvane {

enum class MacroStepIcon {
  kNone,     // movement and wheel steps
  kDelay,    // skins/macro_time.png
  kPress,    // skins/macro_down.png
  kRelease,  // skins/macro_up.png
};

struct MacroStepDisplay {
  std::u16string Text;
  MacroStepIcon Icon = MacroStepIcon::kNone;
};

// "120ms"; the key or mouse-button name; "Move Right 5" / "Move Left 5" (Mouse X),
// "Move Down 5" / "Move Up 5" (Mouse Y), "Wheel Down 2" / "Wheel Up 2".
MacroStepDisplay StepDisplay(const MacroAction& step);

}  // namespace corvane
