#pragma once
// The device trace of corvanectl --trace: one line per feature write and read, status
// report and pause, appended to a file. Lines may come from reader threads too.
//
// The trace may be a pipe (a FIFO read by another program) or a file on a slow disk.
// Device work must never wait for a pipe's reader: lines go into a bounded buffer that a
// writer thread empties through a non-blocking descriptor. When a pipe's reader falls
// behind the buffer's limit, lines are left out; a trace that cannot be written is
// reported once. A regular file always takes what is written, so there a full buffer only
// means that the writer thread has not run yet, and a line waits for room instead.
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <thread>

namespace corvane {

// Two upper-case hexadecimal digits per byte, separated by single spaces.
std::string FormatTraceBytes(std::span<const std::uint8_t> bytes);

class TraceSink {
 public:
  // Receives, at most once per sink, why lines are missing from the trace.
  using Report = std::function<void(const std::string&)>;

  // Lines not yet taken by the reader; beyond this, new lines are left out.
  static constexpr std::size_t kBufferLimit = std::size_t{1} << 20;
  // How long the end of the run waits for the reader to take what is still buffered.
  static constexpr int kDrainMs = 1000;

  // Writes straight into the stream (tests and in-memory traces).
  explicit TraceSink(std::ostream& out) : out_(&out) {}
  // Appends to the file (created when missing). Never waits for a reader: a pipe that
  // nobody reads is refused. nullptr, with "PATH: reason" in error, when it cannot be
  // opened.
  static std::unique_ptr<TraceSink> AppendTo(const std::filesystem::path& path, std::string& error,
                                             Report report = {});
  // Gives the reader at most kDrainMs to take the rest.
  ~TraceSink();
  TraceSink(const TraceSink&) = delete;
  TraceSink& operator=(const TraceSink&) = delete;

  // Adds the line and a line feed; returns at once.
  void Line(std::string_view text);

 private:
  TraceSink(int fd, std::string name, Report report, bool readerMayStall);
  void WriteLoop();
  // Writes all of chunk; false when the trace cannot take it (reported).
  bool WriteChunk(std::string_view chunk);
  void ReportOnce(const std::string& reason);

  std::ostream* out_ = nullptr;
  int fd_ = -1;
  std::string name_;
  Report report_;
  std::mutex mutex_;
  bool readerMayStall_ = true;  // a pipe, socket or device rather than a regular file
  std::condition_variable wake_;
  std::condition_variable room_;
  std::string pending_;
  bool stopping_ = false;
  bool failed_ = false;
  bool reported_ = false;
  std::thread writer_;
};

}  // namespace corvane
