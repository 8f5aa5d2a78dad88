#pragma once
// An AppContext on a fresh data folder, with a language whose texts are recognisable
// ("T20", "T85", ...) so expected files can be written down independently of the
// shipped wording.
#include <memory>
#include <string>

#include "base/TextUtil.h"
#include "session/AppContext.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {

inline void FillTestLanguage(LanguageTable& language) {
  for (int n : {20, 21, 22, 23, 24, 33, 42, 85, 86, 87, 88, 89, 100, 145, 147, 152}) {
    language.Texts[static_cast<std::size_t>(n)] = u"T" + FormatDecimal(n);
  }
}

struct SettingsTestContext {
  TempDataFolder folder;
  std::unique_ptr<AppContext> ctx = std::make_unique<AppContext>();

  SettingsTestContext() {
    ctx->DataFolder = folder.Root();
    std::filesystem::create_directories(folder.Path("config"));
    FillTestLanguage(ctx->Language);
  }
  // A second program run on the same folder.
  std::unique_ptr<AppContext> Fresh() const {
    auto next = std::make_unique<AppContext>();
    next->DataFolder = folder.Root();
    FillTestLanguage(next->Language);
    return next;
  }
};

}  // namespace corvane::testing
