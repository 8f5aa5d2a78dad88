#pragma once
// The language the program installed into a data folder, loaded as the program loads it.
#include <gtest/gtest.h>

#include <filesystem>

#include "lang/LoadLanguage.h"

namespace corvane::testing {

inline LanguageTable InstalledLanguage(const std::filesystem::path& dataFolder) {
  LanguageTable language;
  UiFont font;
  EXPECT_EQ(LoadLanguage(dataFolder, language, font, 1.0f), 1) << "installed language files load completely";
  return language;
}

}  // namespace corvane::testing
