#pragma once
// What became of the frames of one upload, for the caller to tell the user: commands the
// mouse never acknowledged, macros refused for the device's store, a device that went
// away while the upload ran.
#include <cstdint>
#include <string>
#include <vector>

#include "device/FeatureCommand.h"

namespace corvane {

enum class UploadProblemKind : std::uint8_t {
  NotAcknowledged,  // four attempts went unanswered
  NotSent,          // the device went away before this frame
  MacroTooLong,     // more actions than the device's store takes for one macro
};

struct UploadProblem {
  UploadProblemKind Kind;
  FeatureCommand Command;
  std::uint8_t Position = 0;  // packet position of the frame
  int Button = -1;            // profile button of a macro problem
  std::uint32_t Actions = 0;  // MacroTooLong: the macro's action count
};

struct UploadReport {
  std::vector<UploadProblem> Problems;
  bool DeviceGone = false;  // the device went away during the upload
  // The device stopped answering acknowledgement reads; the rest was not sent.
  bool Unresponsive = false;

  bool Clean() const { return Problems.empty() && !DeviceGone && !Unresponsive; }
};

// One line for the user, e.g. "the mouse did not acknowledge CmdDpiLevels (packet 0x12)".
std::string DescribeProblem(const UploadProblem& problem);

}  // namespace corvane
