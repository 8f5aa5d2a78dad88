#include "cli/MacroCliSupport.h"

#include <ostream>

#include "base/TextUtil.h"
#include "lang/LanguageEntries.h"
#include "macros/MacroLibraryFile.h"
#include "macros/MacroPath.h"

namespace corvane::cli {

std::optional<MacroLocation> FindNode(const CliContext& ctx, const std::string& path, int& rc) {
  const auto at = FindMacroPath(ctx.app->Macros, U16(path));
  if (!at) rc = ctx.Refuse(std::string("no macro or folder \"") + path + "\" in the library");
  return at;
}

bool TakeInto(const CliContext& ctx, std::vector<std::string>& args, std::optional<std::string>& into, int& rc) {
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::optional<std::string> value;
    if (args[i] == "--into") {
      if (i + 1 >= args.size()) {
        rc = ctx.Usage("--into needs a PATH");
        return false;
      }
      value = args[++i];
    } else if (args[i].rfind("--into=", 0) == 0) {
      value = args[i].substr(7);
    } else {
      rest.push_back(args[i]);
      continue;
    }
    if (into) {
      rc = ctx.Usage("--into is given twice");
      return false;
    }
    into = value;
  }
  args = std::move(rest);
  return true;
}

std::optional<MacroLocation> IntoSelection(const CliContext& ctx, const std::optional<std::string>& into, int& rc) {
  if (!into) return MacroLocation::None();
  return FindNode(ctx, *into, rc);
}

int SaveLibrary(CliContext& ctx) {
  std::string why;
  const auto save = [&](std::string* reason) {
    return SaveMacroLibraryFile(ctx.app->DataFolder, ctx.app->Macros, reason);
  };
  if (SaveStoredFiles(ctx, StoredFiles::Library, save, &why)) return kExitOk;
  return ctx.Refuse(std::string("the macro library could not be written to ") +
                    MacroLibraryFilePath(ctx.app->DataFolder).string() + ": " + why);
}

int FinishImport(CliContext& ctx, const MacroImportResult& result, const std::string& file) {
  // Said whatever else happens: a partial import must not pass for a whole one.
  for (const std::string& line : result.skipped) ctx.err << "corvanectl: skipped " << line << "\n";
  switch (result.status) {
    case MacroImportStatus::kImported:
      break;
    case MacroImportStatus::kClash:
      return ctx.RefuseWithText(kTextNameInUse, "This name is already in use here.");
    case MacroImportStatus::kNoSource:
      return ctx.Refuse(file + " holds nothing to import (unreadable, empty, or its selection names no node)");
    case MacroImportStatus::kFull:
      return ctx.Refuse("the destination already holds 60 entries; nothing was imported");
    case MacroImportStatus::kNothingFits:
      return ctx.Refuse("folders cannot go into a second-level folder; nothing was imported");
    case MacroImportStatus::kNoKeyLeft:
      return ctx.Refuse("no macro key is left: a macro holds the largest key, 4294967295; nothing was imported");
  }
  for (const MacroLocation& at : result.created) {
    const MacroNode* node = ctx.app->Macros.NodeAt(at);
    ctx.out << Utf8(MacroPathOf(ctx.app->Macros, at)) << (node->IsFolder() ? "/" : "") << "\n";
  }
  // What was imported is kept; the command still fails when anything was left out.
  const int saved = SaveLibrary(ctx);
  if (saved != kExitOk || result.skipped.empty()) return saved;
  return ctx.Refuse("the import is incomplete: " + std::to_string(result.skipped.size()) + " skipped, listed above");
}

}  // namespace corvane::cli
