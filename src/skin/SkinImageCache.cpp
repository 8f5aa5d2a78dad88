#include "skin/SkinImageCache.h"

#include <system_error>

namespace corvane {

SkinImageCache& SkinImageCache::Instance() {
  static SkinImageCache cache;
  return cache;
}

std::shared_ptr<const SkinPicture> SkinImageCache::File(const std::filesystem::path& file) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  if (ec) return nullptr;
  const auto time = std::filesystem::last_write_time(file, ec);
  if (ec) return nullptr;
  return Open(QString::fromStdString(file.string()), "f:" + file.string(), size, time);
}

std::shared_ptr<const SkinPicture> SkinImageCache::Resource(const QString& resource) {
  return Open(resource, "r:" + resource.toStdString(), 0, {});
}

std::size_t SkinImageCache::Size() const {
  std::lock_guard lock(mutex_);
  return entries_.size();
}

std::shared_ptr<const SkinPicture> SkinImageCache::Open(const QString& name, const std::string& key,
                                                        std::uintmax_t size, std::filesystem::file_time_type time) {
  // Held while the file is read, so two threads asking for one file share one decode.
  // Never held while pixels are waited for: the decode thread does not take it.
  std::lock_guard lock(mutex_);
  if (const auto it = entries_.find(key); it != entries_.end()) {
    const Entry& e = it->second;
    if (e.size == size && e.time == time && !e.picture->Failed()) return e.picture;
    entries_.erase(it);
  }
  DropUnused();
  auto picture = SkinPicture::Open(name, SkinPicture::Finish::Premultiplied);
  if (!picture) return nullptr;
  picture->DecodeInBackground();
  entries_.emplace(key, Entry{size, time, picture});
  return picture;
}

void SkinImageCache::DropUnused() {
  // Only the cache holds the picture: no slot shows it. The decode thread holds the
  // pixels, not the picture, so a decode under way does not keep it.
  for (auto it = entries_.begin(); it != entries_.end();)
    it = it->second.picture.use_count() == 1 ? entries_.erase(it) : std::next(it);
}

}  // namespace corvane
