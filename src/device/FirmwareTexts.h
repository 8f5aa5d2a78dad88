#pragma once
// The texts of the firmware dialog that the program builds itself: the two checksum
// lines, the progress percentage, the counted loader steps and the restart countdown.
#include <cstdint>
#include <string>

namespace corvane {

// "CS1:%.8x": the carried application's checksum.
std::u16string ImageChecksumText(std::uint32_t checksum);
// "Device CS:%.8x": what the mouse reports.
std::u16string DeviceChecksumText(std::uint32_t checksum);
// "%.1f%%" of value x 100 / total, at most 100.0 when capped. A total of 0 (an
// application shorter than one block) reads as done rather than dividing by zero.
std::u16string ProgressText(int value, int total, bool capped);
// The text shown before anything was written: "0%".
std::u16string InitialProgressText();
// "%s(%d/%d)": a language text with the running step and the number of steps.
std::u16string CountedText(const std::u16string& text, int step, int steps);
// "%s  ....%d": a language text with the seconds left.
std::u16string CountdownText(const std::u16string& text, int seconds);

}  // namespace corvane
