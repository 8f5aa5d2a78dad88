// corvanectl library: export the whole macro library to a .mbf file, or import one.
// --into PATH is the selection: what an export's file names, where an import goes.
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/MacroCliSupport.h"
#include "macros/MacroExport.h"
#include "macros/MacroImport.h"

namespace corvane::cli {
namespace {

using Args = std::vector<std::string>;

int RunLibrary(CliContext& ctx, const Args& argsIn) {
  if (argsIn.empty() || (argsIn[0] != "export" && argsIn[0] != "import")) {
    return ctx.Usage("usage: library export FILE [--into PATH] | import FILE [--into PATH]");
  }
  const bool exporting = argsIn[0] == "export";
  Args args(argsIn.begin() + 1, argsIn.end());
  std::optional<std::string> into;
  int rc = kExitOk;
  if (!TakeInto(ctx, args, into, rc)) return rc;
  if (args.size() != 1) return ctx.Usage(std::string("usage: library ") + argsIn[0] + " FILE [--into PATH]");
  const auto selection = IntoSelection(ctx, into, rc);
  if (!selection) return rc;
  MacroLibrary& lib = ctx.app->Macros;
  lib.CurrentMacroLocation = *selection;
  if (exporting) return ExportMacroLibrary(lib, args[0]) ? kExitOk : ctx.Refuse(std::string("cannot write ") + args[0]);
  return FinishImport(ctx, ImportMacroLibrary(lib, args[0]), args[0]);
}

const CliCommandRegistrar kLibrary{"library",
                                   "library export FILE [--into PATH] | import FILE [--into PATH]\n"
                                   "                              the macro library as a .mbf file",
                                   &RunLibrary};

}  // namespace
}  // namespace corvane::cli
