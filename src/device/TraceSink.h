#pragma once
// The device trace of corvanectl --trace: one line per feature write and read, status
// report and pause, appended to a file. Lines may come from reader threads too.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

// Two upper-case hexadecimal digits per byte, separated by single spaces.
std::string FormatTraceBytes(std::span<const std::uint8_t> bytes);

class TraceSink {
 public:
  explicit TraceSink(std::ostream& out) : out_(&out) {}
  // Appends to the file (created when missing); nullptr when it cannot be opened.
  static std::unique_ptr<TraceSink> AppendTo(const std::filesystem::path& path);

  // Writes the line and a line feed, and flushes, so a trace survives an abrupt end.
  void Line(std::string_view text);

 private:
  TraceSink() = default;

  std::unique_ptr<std::ofstream> file_;
  std::ostream* out_ = nullptr;
  std::mutex mutex_;
};

}  // namespace corvane
