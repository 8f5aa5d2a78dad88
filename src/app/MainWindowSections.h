#pragma once
// The nine collapsible settings sections of the main window, in page order, and the rule
// by which opening one closes others so that the page never holds more than fits.
#include <array>
#include <optional>

#include "app/MainWindowIds.h"

namespace corvane {

constexpr int kSectionCount = 9;

// Header ids in page order (top to bottom).
inline constexpr std::array<unsigned, kSectionCount> kSectionHeaders{
    mainwnd::kHeaderDpi,     mainwnd::kHeaderLighting, mainwnd::kHeaderPointer,
    mainwnd::kHeaderPolling, mainwnd::kHeaderLiftOff,  mainwnd::kHeaderDebounce,
    mainwnd::kHeaderSensor,  mainwnd::kHeaderPairing,  mainwnd::kHeaderFirmware};

// Open state of each section, indexed like kSectionHeaders.
using SectionStates = std::array<bool, kSectionCount>;

// Index of a header id in kSectionHeaders; none for any other id.
std::optional<int> SectionOfHeader(unsigned id);

// The states after header id was clicked; open already holds the header's new state. A
// header that was just closed closes nothing else.
SectionStates ApplySectionHeaderRule(SectionStates open, unsigned id);

}  // namespace corvane
