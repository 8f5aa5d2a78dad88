#include "app/SettingsSliderReport.h"

#include "skin/CSliderControl.h"
#include "skin/CVerticalSliderControl.h"

namespace corvane {

std::optional<SliderReportValue> ReadSliderReport(const CControlBase* slider, WPARAM wParam, LPARAM code) {
  if (code == kNotifyDrag) return SliderReportValue{SliderCommit::Drag, static_cast<int>(wParam)};
  if (code != kNotifyClick) return std::nullopt;
  if (const auto* h = dynamic_cast<const CSliderControl*>(slider))
    return SliderReportValue{SliderCommit::Release, h->CurrentStop()};
  if (const auto* v = dynamic_cast<const CVerticalBarBase*>(slider))
    return SliderReportValue{SliderCommit::Release, v->Value()};
  return std::nullopt;
}

}  // namespace corvane
