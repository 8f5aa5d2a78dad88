#include "device/LinkStateReport.h"

#include <algorithm>

namespace corvane {

LinkStateReport LinkStateRequest() {
  LinkStateReport r;
  r.bytes.fill(0xFF);
  r.bytes[LinkStateReport::kReportIdOffset] = kReportLinkState;
  return r;
}

LinkStateReply ParseLinkStateReply(std::span<const std::uint8_t> reply) {
  if (reply.size() <= LinkStateReport::kLinkFlagOffset) return {};
  if (reply[LinkStateReport::kReportIdOffset] != kReportLinkState) return {};
  const auto signature = reply.subspan(LinkStateReport::kSignatureOffset, kLinkStateSignature.size());
  if (!std::equal(signature.begin(), signature.end(), kLinkStateSignature.begin())) return {};
  return {true, reply[LinkStateReport::kLinkFlagOffset] != 0};
}

}  // namespace corvane
