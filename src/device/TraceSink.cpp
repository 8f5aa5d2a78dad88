#include "device/TraceSink.h"

#include <fcntl.h>
#include <pthread.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <optional>

#include "base/TextUtil.h"

namespace corvane {

namespace {

// A reader that closes its end makes write() fail with EPIPE; the signal that comes
// with it would end the program. Only the writer thread writes, so it blocks SIGPIPE for
// itself and takes the pending signal off after a failed write.
void BlockBrokenPipeSignal() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void DiscardBrokenPipeSignal() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGPIPE);
  const timespec none{};
  while (sigtimedwait(&set, nullptr, &none) == SIGPIPE) {
  }
}

}  // namespace

std::string FormatTraceBytes(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size() * 3);
  for (const std::uint8_t b : bytes) {
    if (!text.empty()) text.push_back(' ');
    text.push_back(kDigits[b >> 4]);
    text.push_back(kDigits[b & 0x0F]);
  }
  return text;
}

std::unique_ptr<TraceSink> TraceSink::AppendTo(const std::filesystem::path& path, std::string& error,
                                               Report report) {
  // O_NONBLOCK: opening a FIFO for writing would otherwise wait until a reader comes.
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) {
    const int code = errno;
    error = path.string() + ": " + (code == ENXIO ? std::string("no program reads this pipe") : ErrnoText(code));
    return nullptr;
  }
  struct stat info {};
  const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  return std::unique_ptr<TraceSink>(new TraceSink(fd, path.string(), std::move(report), !regular));
}

TraceSink::TraceSink(int fd, std::string name, Report report, bool readerMayStall)
    : fd_(fd), name_(std::move(name)), report_(std::move(report)), readerMayStall_(readerMayStall) {
  writer_ = std::thread([this] { WriteLoop(); });
}

TraceSink::~TraceSink() {
  if (writer_.joinable()) {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    writer_.join();
  }
  if (fd_ >= 0) ::close(fd_);
}

void TraceSink::ReportOnce(const std::string& reason) {
  {
    const std::lock_guard lock(mutex_);
    if (reported_) return;
    reported_ = true;
  }
  if (report_) report_(name_ + ": " + reason);
}

void TraceSink::Line(std::string_view text) {
  if (out_) {
    const std::lock_guard lock(mutex_);
    out_->write(text.data(), static_cast<std::streamsize>(text.size()));
    out_->put('\n');
    out_->flush();
    return;
  }
  bool overflow = false;
  {
    std::unique_lock lock(mutex_);
    const auto fits = [&] { return pending_.empty() || pending_.size() + text.size() + 1 <= kBufferLimit; };
    if (!readerMayStall_) room_.wait(lock, [&] { return failed_ || fits(); });
    if (failed_) return;
    if (!fits()) {
      overflow = true;
    } else {
      pending_.append(text);
      pending_.push_back('\n');
    }
  }
  if (overflow)
    ReportOnce("the reader does not keep up; lines are left out of the trace");
  else
    wake_.notify_one();
}

void TraceSink::WriteLoop() {
  BlockBrokenPipeSignal();
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
    if (pending_.empty()) return;  // stopping with nothing left
    std::string chunk;
    chunk.swap(pending_);
    lock.unlock();
    room_.notify_all();
    const bool written = WriteChunk(chunk);
    lock.lock();
    if (!written) {
      failed_ = true;
      pending_.clear();
      lock.unlock();
      room_.notify_all();
      return;
    }
  }
}

bool TraceSink::WriteChunk(std::string_view chunk) {
  using Clock = std::chrono::steady_clock;
  std::optional<Clock::time_point> deadline;
  while (!chunk.empty()) {
    const ssize_t n = ::write(fd_, chunk.data(), chunk.size());
    if (n > 0) {
      chunk.remove_prefix(static_cast<std::size_t>(n));
      continue;
    }
    const int code = n < 0 ? errno : EAGAIN;
    if (code == EINTR) continue;
    if (code != EAGAIN && code != EWOULDBLOCK) {
      if (code == EPIPE) DiscardBrokenPipeSignal();
      ReportOnce(code == EPIPE ? std::string("the reader closed the pipe; the trace stops here")
                               : ErrnoText(code));
      return false;
    }
    // The reader is full: wait for room, but once the run ends only for kDrainMs.
    bool stopping = false;
    {
      const std::lock_guard lock(mutex_);
      stopping = stopping_;
    }
    if (stopping && !deadline) deadline = Clock::now() + std::chrono::milliseconds(kDrainMs);
    if (deadline && Clock::now() >= *deadline) {
      ReportOnce("the reader took no more; the end of the trace is left out");
      return false;
    }
    pollfd ready{fd_, POLLOUT, 0};
    ::poll(&ready, 1, 50);
  }
  return true;
}

}  // namespace corvane
