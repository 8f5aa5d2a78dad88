#pragma once
// Skin pictures shared by every slot that shows the same file. The windows draw the same
// button, combo and slot pictures dozens of times; each file is read once, decoded once
// (on the skin decode thread, or where it is first drawn) and all slots hold the one
// pixel buffer. A picture no slot holds any more is dropped at the next load, so hidden
// windows keep nothing. Safe to use from any thread.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include <QString>

#include "skin/SkinPicture.h"

namespace corvane {

class SkinImageCache {
 public:
  static SkinImageCache& Instance();

  // The picture of a file, premultiplied ARGB32 once decoded; nullptr when the file holds
  // no picture. A file rewritten on disk (other size or time) is read again, and so is
  // one whose earlier decode came to nothing.
  std::shared_ptr<const SkinPicture> File(const std::filesystem::path& file);
  // The picture compiled into the program under a Qt resource path.
  std::shared_ptr<const SkinPicture> Resource(const QString& resource);

  // Pictures held now (for tests).
  std::size_t Size() const;

 private:
  struct Entry {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time;
    std::shared_ptr<SkinPicture> picture;
  };
  std::shared_ptr<const SkinPicture> Open(const QString& name, const std::string& key, std::uintmax_t size,
                                          std::filesystem::file_time_type time);
  void DropUnused();

  mutable std::mutex mutex_;
  std::unordered_map<std::string, Entry> entries_;
};

}  // namespace corvane
