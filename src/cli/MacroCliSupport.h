#pragma once
// What the macro and library commands of corvanectl share: naming nodes by path,
// refusing with the program's language texts, writing the library file after a change,
// and reporting an import.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Cli.h"
#include "macros/MacroImport.h"
#include "macros/MacroLocation.h"

namespace corvane::cli {

// The used node PATH names; a refusal (exit 1) in rc when there is none.
std::optional<MacroLocation> FindNode(const CliContext& ctx, const std::string& path, int& rc);

// Takes "--into PATH" / "--into=PATH" out of args; false with a usage error in rc when
// the option has no value or is given twice.
bool TakeInto(const CliContext& ctx, std::vector<std::string>& args, std::optional<std::string>& into, int& rc);
// The selection --into names (stage -1 without it); a refusal in rc when it names nothing.
std::optional<MacroLocation> IntoSelection(const CliContext& ctx, const std::optional<std::string>& into, int& rc);

// Writes the library file as the macro manager does on closing; exit 0, or 1 with a reason.
int SaveLibrary(CliContext& ctx);

// Prints the path of every node the import created and saves the library, or refuses
// with the reason nothing was imported. Whatever the import left out is listed on stderr
// and makes the command exit 1 (what was imported is still saved).
int FinishImport(CliContext& ctx, const MacroImportResult& result, const std::string& file);

}  // namespace corvane::cli
