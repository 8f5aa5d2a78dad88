#pragma once
// Decoded skin pictures shared by every slot that shows the same file. The windows draw
// the same button, combo and slot pictures dozens of times; each file is decoded once
// and all slots hold the one pixel buffer (QImage is shared until written). A picture
// no slot holds any more is dropped at the next decode, so hidden windows keep nothing.
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <unordered_map>

#include <QImage>
#include <QString>

namespace corvane {

class SkinImageCache {
 public:
  static SkinImageCache& Instance();

  // The picture of a file, premultiplied ARGB32; null when it cannot be decoded. A file
  // rewritten on disk (other size or time) is decoded again.
  QImage File(const std::filesystem::path& file);
  // The picture compiled into the program under a Qt resource path.
  QImage Resource(const QString& resource);

  // Pictures held now (for tests).
  std::size_t Size() const;

 private:
  struct Entry {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time;
    QImage image;
  };
  QImage Decode(const QString& name, const std::string& key, std::uintmax_t size, std::filesystem::file_time_type time);
  void DropUnused();

  mutable std::mutex mutex_;
  std::unordered_map<std::string, Entry> entries_;
};

}  // namespace corvane
