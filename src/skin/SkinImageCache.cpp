#include "skin/SkinImageCache.h"

#include <system_error>

namespace corvane {

SkinImageCache& SkinImageCache::Instance() {
  static SkinImageCache cache;
  return cache;
}

QImage SkinImageCache::File(const std::filesystem::path& file) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  if (ec) return QImage();
  const auto time = std::filesystem::last_write_time(file, ec);
  if (ec) return QImage();
  return Decode(QString::fromStdString(file.string()), "f:" + file.string(), size, time);
}

QImage SkinImageCache::Resource(const QString& resource) {
  return Decode(resource, "r:" + resource.toStdString(), 0, {});
}

std::size_t SkinImageCache::Size() const {
  std::lock_guard lock(mutex_);
  return entries_.size();
}

QImage SkinImageCache::Decode(const QString& name, const std::string& key, std::uintmax_t size,
                              std::filesystem::file_time_type time) {
  std::lock_guard lock(mutex_);
  if (const auto it = entries_.find(key); it != entries_.end()) {
    if (it->second.size == size && it->second.time == time) return it->second.image;
    entries_.erase(it);
  }
  DropUnused();
  QImage img;
  if (!img.load(name)) return QImage();
  Entry entry{size, time, img.convertToFormat(QImage::Format_ARGB32_Premultiplied)};
  QImage image = entry.image;
  entries_.emplace(key, std::move(entry));
  return image;
}

void SkinImageCache::DropUnused() {
  // isDetached: the cache holds the only reference, so no slot shows the picture.
  for (auto it = entries_.begin(); it != entries_.end();)
    it = it->second.image.isDetached() ? entries_.erase(it) : std::next(it);
}

}  // namespace corvane
