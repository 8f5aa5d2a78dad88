#include "device/linux/HidReportDescriptor.h"

#include <memory>
#include <utility>
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

// Bits per report type and report id over some stretch of the descriptor, with the
// largest so far. Items before any report id count as report 0.
class ReportTally {
 public:
  // Adds a field; false when a report would grow past what a caps length can hold.
  bool Add(std::size_t type, std::uint8_t id, std::uint64_t fieldBits) {
    std::uint64_t& reportBits = bits_[type][id];
    if (stamp_[type][id] != serial_) {
      stamp_[type][id] = serial_;
      reportBits = 0;
    }
    if (fieldBits > kMaxReportBits - reportBits) return false;
    reportBits += fieldBits;
    if (reportBits > largest_[type]) largest_[type] = reportBits;
    has_[type] = true;
    return true;
  }
  // Forgets every report in constant time.
  void Clear() {
    ++serial_;
    largest_ = {};
    has_ = {};
  }
  bool HasAny() const { return has_[0] || has_[1] || has_[2]; }
  bool Has(std::size_t type) const { return has_[type]; }
  std::uint32_t LargestBytes(std::size_t type) const { return static_cast<std::uint32_t>((largest_[type] + 7) / 8); }
  std::uint16_t Caps(std::size_t type) const {
    return has_[type] ? static_cast<std::uint16_t>(LargestBytes(type) + 1) : 0;
  }
  HidCapsLengths AllCaps() const { return {Caps(0), Caps(1), Caps(2)}; }

 private:
  std::array<std::array<std::uint64_t, kReportIdCount>, kHidReportTypeCount> bits_{};
  std::array<std::array<std::uint32_t, kReportIdCount>, kHidReportTypeCount> stamp_{};
  std::uint32_t serial_ = 1;
  std::array<std::uint64_t, kHidReportTypeCount> largest_{};
  std::array<bool, kHidReportTypeCount> has_{};
};

struct Parser {
  std::span<const std::uint8_t> bytes;
  HidReportSummary summary;
  GlobalState global;
  std::vector<GlobalState> stack;
  std::size_t collectionDepth = 0;
  ReportTally whole;    // the whole descriptor
  ReportTally current;  // the open top-level collection, or items outside any

  bool Fail(std::string_view why, std::size_t offset) {
    summary = HidReportSummary{};
    summary.error = why;
    summary.errorOffset = offset;
    return false;
  }

  void CloseTopLevel() {
    summary.collections.push_back(current.AllCaps());
    current.Clear();
  }

  bool AddField(HidReportType type, std::size_t offset) {
    const auto t = static_cast<std::size_t>(type);
    // size and count are below 2^32 each, so their product cannot overflow. A report of
    // one collection is never longer than the same report over the whole descriptor.
    const std::uint64_t fieldBits = std::uint64_t{global.reportSize} * global.reportCount;
    if (!whole.Add(t, global.reportId, fieldBits)) return Fail("report too long", offset);
    current.Add(t, global.reportId, fieldBits);
    return true;
  }

  bool Main(std::uint8_t tag, std::size_t offset) {
    switch (tag) {
      case kInput: return AddField(HidReportType::Input, offset);
      case kOutput: return AddField(HidReportType::Output, offset);
      case kFeature: return AddField(HidReportType::Feature, offset);
      case kCollection:
        if (collectionDepth == 0 && current.HasAny()) CloseTopLevel();  // items outside any collection
        ++collectionDepth;
        return true;
      case kEndCollection:
        if (collectionDepth == 0) return Fail("end collection without collection", offset);
        if (--collectionDepth == 0) CloseTopLevel();
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
    if (current.HasAny()) CloseTopLevel();
    for (std::size_t t = 0; t < kHidReportTypeCount; ++t) {
      summary.hasReports[t] = whole.Has(t);
      summary.largestReportBytes[t] = whole.LargestBytes(t);
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
  // The tallies are a few kilobytes each: kept off the stack.
  auto parser = std::make_unique<Parser>();
  parser->bytes = descriptor;
  parser->Run();
  return std::move(parser->summary);
}

}  // namespace corvane
