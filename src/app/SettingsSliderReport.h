#pragma once
// What a slider of the settings sections reported: while dragged (code 3) the new stop
// travels in the message; on release (code 2) the slider's own stop is the value.
#include <optional>

#include "settings/CommandEffect.h"
#include "skin/SkinTypes.h"

namespace corvane {

class CControlBase;

struct SliderReportValue {
  SliderCommit Commit;
  int Stop;
};

// None for the other codes (a press, hover reports).
std::optional<SliderReportValue> ReadSliderReport(const CControlBase* slider, WPARAM wParam, LPARAM code);

}  // namespace corvane
