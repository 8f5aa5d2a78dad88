#include "device/FeatureFrame.h"

#include <algorithm>

namespace corvane {

std::uint8_t FrameChecksum(std::span<const std::uint8_t, kReportLength> frame) {
  unsigned sum = 0;
  for (std::size_t i = 0; i < frame.size(); ++i)
    if (i != FeatureFrame::kChecksumOffset) sum += frame[i];
  return static_cast<std::uint8_t>(sum);
}

FeatureFrame BuildFeatureFrame(std::uint8_t command, std::uint8_t sequence, std::uint8_t position,
                               std::span<const std::uint8_t> payload) {
  FeatureFrame f;
  f.bytes[FeatureFrame::kReportIdOffset] = kReportCommand;
  f.bytes[FeatureFrame::kCommandOffset] = command;
  f.bytes[FeatureFrame::kSequenceOffset] = sequence;
  f.bytes[FeatureFrame::kPositionOffset] = position;
  const std::size_t n = std::min(payload.size(), FeatureFrame::kPayloadLength);
  std::copy_n(payload.begin(), n, f.bytes.begin() + FeatureFrame::kPayloadOffset);
  f.bytes[FeatureFrame::kChecksumOffset] = FrameChecksum(f.bytes);
  return f;
}

}  // namespace corvane
