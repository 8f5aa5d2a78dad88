#pragma once
// A fresh data folder with an empty "config" folder for one test, removed afterwards.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <string_view>

#include <unistd.h>

#include "base/UnicodeTextFile.h"

namespace corvane {

class LanguageFolder {
 public:
  LanguageFolder() {
    static std::atomic<int> counter{0};
    root_ = std::filesystem::temp_directory_path() /
            ("corvane-lang-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(root_ / "config");
  }
  ~LanguageFolder() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  LanguageFolder(const LanguageFolder&) = delete;
  LanguageFolder& operator=(const LanguageFolder&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Config(const char* name) const { return root_ / "config" / name; }

  // Writes config/name as the program's files are written: FF FE, then the text as UTF-16LE.
  void Put(const char* name, std::u16string_view text) const {
    UnicodeTextWriter w;
    w.Write(text);
    ASSERT_TRUE(w.Commit(Config(name)));
  }

 private:
  std::filesystem::path root_;
};

}  // namespace corvane
