#include "device/TraceSink.h"

namespace corvane {

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

std::unique_ptr<TraceSink> TraceSink::AppendTo(const std::filesystem::path& path) {
  auto file = std::make_unique<std::ofstream>(path, std::ios::out | std::ios::app | std::ios::binary);
  if (!*file) return nullptr;
  std::unique_ptr<TraceSink> sink(new TraceSink());
  sink->out_ = file.get();
  sink->file_ = std::move(file);
  return sink;
}

void TraceSink::Line(std::string_view text) {
  const std::lock_guard lock(mutex_);
  out_->write(text.data(), static_cast<std::streamsize>(text.size()));
  out_->put('\n');
  out_->flush();
}

}  // namespace corvane
