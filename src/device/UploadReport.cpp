#include "device/UploadReport.h"

#include <cstdio>

namespace corvane {

namespace {

std::string CommandName(FeatureCommand command) {
  const auto info = CommandInfo(static_cast<std::uint8_t>(command));
  return info ? std::string(info->name) : std::string("command");
}

std::string Hex2(unsigned v) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", v & 0xFF);
  return text;
}

}  // namespace

std::string DescribeProblem(const UploadProblem& problem) {
  const std::string what = CommandName(problem.Command) + " (packet " + Hex2(problem.Position) + ")";
  switch (problem.Kind) {
    case UploadProblemKind::NotAcknowledged:
      return "the mouse did not acknowledge " + what;
    case UploadProblemKind::NotSent:
      return "the mouse went away before " + what + " was sent";
    case UploadProblemKind::MacroTooLong:
      return "the macro of button " + std::to_string(problem.Button) + " has " + std::to_string(problem.Actions) +
             " actions; the mouse stores at most 125 per macro, so it was not sent";
  }
  return what;
}

}  // namespace corvane
