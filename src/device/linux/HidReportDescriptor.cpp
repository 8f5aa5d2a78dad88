#include "device/linux/HidReportDescriptor.h"

#include <vector>

namespace corvane {

namespace {

// Item prefix: bits 0-1 data size code, bits 2-3 item type, bits 4-7 tag.
constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::array<std::size_t, 4> kShortDataSize{0, 1, 2, 4};

enum ItemType : std::uint8_t { kMain = 0, kGlobal = 1, kLocal = 2, kReserved = 3 };

enum MainTag : std::uint8_t {
  kInput = 0x8,
  kOutput = 0x9,
  kCollection = 0xA,
  kFeature = 0xB,
  kEndCollection = 0xC,
};

enum GlobalTag : std::uint8_t {
  kReportSize = 0x7,
  kReportId = 0x8,
  kReportCount = 0x9,
  kPush = 0xA,
  kPop = 0xB,
};

constexpr std::size_t kReportIdCount = 256;
// Deep enough for any real descriptor; the kernel allows only four.
constexpr std::size_t kGlobalStackDepth = 32;
// A report's length must still fit the 16-bit caps length with its report id byte.
constexpr std::uint64_t kMaxReportBits = std::uint64_t{0xFFFE} * 8;

// The part of the global state that decides report lengths.
struct GlobalState {
  std::uint32_t reportSize = 0;
  std::uint32_t reportCount = 0;
  std::uint8_t reportId = 0;
};

struct Parser {
  std::span<const std::uint8_t> bytes;
  HidReportSummary summary;
  GlobalState global;
  std::vector<GlobalState> stack;
  std::size_t collectionDepth = 0;
  // Bits per report type and report id; items before any report id count as report 0.
  std::array<std::array<std::uint64_t, kReportIdCount>, kHidReportTypeCount> bits{};

  bool Fail(std::string_view why, std::size_t offset) {
    summary = HidReportSummary{};
    summary.error = why;
    summary.errorOffset = offset;
    return false;
  }

  bool AddField(HidReportType type, std::size_t offset) {
    const auto t = static_cast<std::size_t>(type);
    std::uint64_t& reportBits = bits[t][global.reportId];
    // size and count are below 2^32 each, so their product cannot overflow.
    const std::uint64_t fieldBits = std::uint64_t{global.reportSize} * global.reportCount;
    if (fieldBits > kMaxReportBits - reportBits) return Fail("report too long", offset);
    reportBits += fieldBits;
    summary.hasReports[t] = true;
    return true;
  }

  bool Main(std::uint8_t tag, std::size_t offset) {
    switch (tag) {
      case kInput: return AddField(HidReportType::Input, offset);
      case kOutput: return AddField(HidReportType::Output, offset);
      case kFeature: return AddField(HidReportType::Feature, offset);
      case kCollection: ++collectionDepth; return true;
      case kEndCollection:
        if (collectionDepth == 0) return Fail("end collection without collection", offset);
        --collectionDepth;
        return true;
      default: return true;  // reserved main tags carry no report data
    }
  }

  bool Global(std::uint8_t tag, std::uint32_t value, std::size_t offset) {
    switch (tag) {
      case kReportSize: global.reportSize = value; return true;
      case kReportCount: global.reportCount = value; return true;
      case kReportId:
        if (value == 0 || value >= kReportIdCount) return Fail("report id out of range", offset);
        global.reportId = static_cast<std::uint8_t>(value);
        summary.usesReportIds = true;
        return true;
      case kPush:
        if (stack.size() == kGlobalStackDepth) return Fail("push too deep", offset);
        stack.push_back(global);
        return true;
      case kPop:
        if (stack.empty()) return Fail("pop without push", offset);
        global = stack.back();
        stack.pop_back();
        return true;
      default: return true;  // usage page, logical and physical ranges, units
    }
  }

  bool Run() {
    if (bytes.empty()) return Fail("empty descriptor", 0);
    std::size_t i = 0;
    while (i < bytes.size()) {
      const std::size_t offset = i;
      const std::uint8_t prefix = bytes[i];
      const std::size_t left = bytes.size() - i - 1;
      if (prefix == kLongItemPrefix) {
        // Long items (prefix, data size, tag, data) define nothing a report length needs.
        if (left < 2 || left - 2 < bytes[i + 1]) return Fail("truncated long item", offset);
        i += 3 + std::size_t{bytes[i + 1]};
        continue;
      }
      const std::size_t dataSize = kShortDataSize[prefix & 0x3];
      if (left < dataSize) return Fail("truncated item", offset);
      std::uint32_t value = 0;
      for (std::size_t k = 0; k < dataSize; ++k) value |= std::uint32_t{bytes[i + 1 + k]} << (8 * k);
      i += 1 + dataSize;
      const auto type = static_cast<std::uint8_t>((prefix >> 2) & 0x3);
      const auto tag = static_cast<std::uint8_t>(prefix >> 4);
      bool ok = true;
      if (type == kMain) ok = Main(tag, offset);
      else if (type == kGlobal) ok = Global(tag, value, offset);
      // Local items (usages, designators, strings, delimiters) and reserved items do not
      // change the layout of a report.
      if (!ok) return false;
    }
    if (collectionDepth != 0) return Fail("collection not closed", bytes.size());
    for (std::size_t t = 0; t < kHidReportTypeCount; ++t) {
      std::uint64_t largest = 0;
      for (const std::uint64_t b : bits[t]) largest = b > largest ? b : largest;
      summary.largestReportBytes[t] = static_cast<std::uint32_t>((largest + 7) / 8);
    }
    summary.valid = true;
    return true;
  }
};

}  // namespace

std::uint16_t HidReportSummary::CapsLength(HidReportType type) const {
  const auto t = static_cast<std::size_t>(type);
  if (!valid || !hasReports[t]) return 0;
  return static_cast<std::uint16_t>(largestReportBytes[t] + 1);
}

HidReportSummary ParseHidReportDescriptor(std::span<const std::uint8_t> descriptor) {
  Parser parser;
  parser.bytes = descriptor;
  parser.Run();
  return parser.summary;
}

}  // namespace corvane
