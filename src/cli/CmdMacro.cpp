// corvanectl macro: the macro library as the macro manager edits it. PATH is
// "Folder/Sub/Name"; every change is written to the library file at once.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "cli/Cli.h"
#include "cli/CliNumbers.h"
#include "cli/KeyValueOutput.h"
#include "cli/MacroCliSupport.h"
#include "lang/LanguageEntries.h"
#include "macros/MacroDeleteRule.h"
#include "macros/MacroExport.h"
#include "macros/MacroImport.h"
#include "macros/MacroPath.h"
#include "macros/MacroStepSyntax.h"
#include "macros/MacroStepText.h"

namespace corvane::cli {
namespace {

using Args = std::vector<std::string>;

std::string PathText(const MacroLibrary& lib, const MacroLocation& at) { return Utf8(MacroPathOf(lib, at)); }

// The macro PATH names; a refusal in rc when it names none or a folder.
MacroItem* FindMacro(const CliContext& ctx, const std::string& path, int& rc) {
  const auto at = FindNode(ctx, path, rc);
  if (!at) return nullptr;
  MacroNode* node = ctx.app->Macros.NodeAt(*at);
  if (!node->IsMacro()) {
    rc = ctx.Refuse(std::string("\"") + path + "\" is a folder, not a macro");
    return nullptr;
  }
  return node->Item.get();
}

int RunList(CliContext& ctx, const Args& args) {
  if (!args.empty()) return ctx.Usage("macro list takes no arguments");
  const MacroLibrary& lib = ctx.app->Macros;
  const char* sep = "";
  if (ctx.options.json) ctx.out << "[";
  ForEachNodeInTreeOrder(lib, [&](const MacroLocation& at, const MacroNode& n) {
    if (!ctx.options.json) {
      ctx.out << PathText(lib, at) << (n.IsMacro() ? "" : "/") << "\n";
      return;
    }
    ctx.out << sep << "{\"path\":" << JsonString(MacroPathOf(lib, at));
    if (n.IsMacro()) {
      ctx.out << ",\"type\":\"macro\",\"key\":" << n.Item->MacroKeyIndex << ",\"mode\":" << +n.Item->MacroKeyLoopType
              << ",\"repeat\":" << +n.Item->MacroKeyLoopNum << ",\"steps\":" << n.Item->MacroActionNum << "}";
    } else {
      ctx.out << ",\"type\":\"folder\",\"open\":" << n.MacroItemFolderIsOpen << "}";
    }
    sep = ",";
  });
  if (ctx.options.json) ctx.out << "]\n";
  return kExitOk;
}

void ShowMacro(const CliContext& ctx, const MacroItem& m) {
  const std::uint32_t count = std::min(m.MacroActionNum, MacroItem::kMaxActions);
  if (ctx.options.json) {
    ctx.out << ",\"type\":\"macro\",\"key\":" << m.MacroKeyIndex << ",\"mode\":" << +m.MacroKeyLoopType
            << ",\"repeat\":" << +m.MacroKeyLoopNum << ",\"commands\":" << +m.MacroCommandActionNum << ",\"steps\":[";
    for (std::uint32_t i = 0; i < count; ++i) {
      const MacroStepDisplay d = StepDisplay(m.GetAction(i));
      static const char* const kIcons[] = {"", "delay", "press", "release"};
      ctx.out << (i ? "," : "") << "{\"step\":" << JsonString(FormatMacroStep(m.GetAction(i)))
              << ",\"text\":" << JsonString(d.Text) << ",\"icon\":\"" << kIcons[static_cast<int>(d.Icon)] << "\"}";
    }
    ctx.out << "]}\n";
    return;
  }
  ctx.out << "type=macro\nkey=" << m.MacroKeyIndex << "\nmode=" << +m.MacroKeyLoopType
          << "\nrepeat=" << +m.MacroKeyLoopNum << "\nsteps=" << m.MacroActionNum
          << "\ncommands=" << +m.MacroCommandActionNum << "\n";
  for (std::uint32_t i = 0; i < count; ++i) ctx.out << "step." << i << "=" << Utf8(FormatMacroStep(m.GetAction(i))) << "\n";
}

int RunShow(CliContext& ctx, const Args& args) {
  if (args.size() != 1) return ctx.Usage("usage: macro show PATH");
  int rc = kExitOk;
  const auto at = FindNode(ctx, args[0], rc);
  if (!at) return rc;
  const MacroLibrary& lib = ctx.app->Macros;
  const MacroNode& n = *lib.NodeAt(*at);
  if (ctx.options.json) {
    ctx.out << "{\"path\":" << JsonString(MacroPathOf(lib, *at));
  } else {
    ctx.out << "path=" << PathText(lib, *at) << "\n";
  }
  if (n.IsMacro()) {
    ShowMacro(ctx, *n.Item);
    return kExitOk;
  }
  int children = 0;
  for (int k = 0; k < MacroLibrary::kSlots; ++k) {
    const MacroLocation child = at->stage == 0 ? MacroLocation::Child(at->stage0Index, k)
                                               : MacroLocation::Grandchild(at->stage0Index, at->stage1Index, k);
    if (at->stage < 2 && lib.NodeAt(child)->IsUsed()) ++children;
  }
  if (ctx.options.json) {
    ctx.out << ",\"type\":\"folder\",\"open\":" << n.MacroItemFolderIsOpen << ",\"children\":" << children << "}\n";
  } else {
    ctx.out << "type=folder\nopen=" << n.MacroItemFolderIsOpen << "\nchildren=" << children << "\n";
  }
  return kExitOk;
}

int RunAdd(CliContext& ctx, const Args& args, bool folder) {
  if (args.size() != 1) return ctx.Usage(folder ? "usage: macro folder PATH" : "usage: macro add PATH");
  const std::vector<std::u16string> names = SplitMacroPath(U16(args[0]));
  if (names.size() > (folder ? 2u : 3u)) {
    return ctx.Refuse(std::string(folder ? "folders nest two levels deep" : "the library is three levels deep") +
                      ": \"" + args[0] + "\" is too deep");
  }
  MacroLocation parent;
  if (names.size() > 1) {
    std::u16string parentPath = names[0];
    if (names.size() == 3) {
      parentPath += u'/';
      parentPath += names[1];
    }
    int rc = kExitOk;
    const auto p = FindNode(ctx, Utf8(parentPath), rc);
    if (!p) return rc;
    if (!ctx.app->Macros.NodeAt(*p)->IsFolder())
      return ctx.Refuse(std::string("\"") + Utf8(parentPath) + "\" is not a folder");
    parent = *p;
  }
  MacroLibrary& lib = ctx.app->Macros;
  const MacroNodeChange r = folder ? lib.AddFolder(names.back(), parent) : lib.AddMacro(names.back(), parent);
  switch (r) {
    case MacroNodeChange::kDone:
      lib.CurrentMacroLocation = parent;
      return SaveLibrary(ctx);
    case MacroNodeChange::kClash:
      return ctx.RefuseWithText(kTextNameInUse, "This name is already in use here.");
    case MacroNodeChange::kBadName:
      if (names.back().empty()) return ctx.RefuseWithText(kTextNodeNameEmpty, "The name cannot be empty.");
      return ctx.Refuse("a name cannot hold a line feed");
    case MacroNodeChange::kFull:
      return ctx.Refuse("that folder already holds 60 entries");
    case MacroNodeChange::kNoKeyLeft:
      return ctx.Refuse("no macro key is left: a macro holds the largest key, 4294967295");
    case MacroNodeChange::kNotHere:
    case MacroNodeChange::kNoNode:
      break;
  }
  return ctx.Refuse(std::string("folders nest two levels deep: \"") + args[0] + "\" is too deep");
}

int RunAddMacro(CliContext& ctx, const Args& args) { return RunAdd(ctx, args, false); }
int RunAddFolder(CliContext& ctx, const Args& args) { return RunAdd(ctx, args, true); }

int RunDelete(CliContext& ctx, const Args& args) {
  if (args.size() != 1) return ctx.Usage("usage: macro delete PATH");
  int rc = kExitOk;
  const auto at = FindNode(ctx, args[0], rc);
  if (!at) return rc;
  switch (DeleteMacroNode(*ctx.app, ctx.app->Macros, *at)) {
    case MacroDeleteOutcome::kDeleted:
      return SaveLibrary(ctx);
    case MacroDeleteOutcome::kInUse:
      return ctx.RefuseWithText(kTextMacroInUse, "A button of the current profile uses this macro.");
    case MacroDeleteOutcome::kNothingSelected:
      break;
  }
  return ctx.RefuseWithText(kTextSelectNodeFirst, "Select a macro or folder first.");
}

int RunSteps(CliContext& ctx, const Args& args) {
  if (args.empty()) return ctx.Usage("usage: macro steps PATH STEP...");
  std::vector<MacroAction> steps;
  int commands = 0;
  for (std::size_t i = 1; i < args.size(); ++i) {
    MacroAction step;
    std::string error;
    if (!ParseMacroStep(U16(args[i]), step, error)) return ctx.Usage(error);
    steps.push_back(step);
    if (!IsDelayStep(step)) ++commands;
  }
  if (steps.size() > MacroItem::kMaxActions || commands > static_cast<int>(MacroItem::kMaxCommandActions)) {
    return ctx.Refuse(std::string("a macro holds at most ") + std::to_string(MacroItem::kMaxActions) +
                      " steps, at most " + std::to_string(MacroItem::kMaxCommandActions) +
                      " of them other than delays; " + std::to_string(steps.size()) + " steps with " +
                      std::to_string(commands) + " such were given");
  }
  int rc = kExitOk;
  MacroItem* m = FindMacro(ctx, args[0], rc);
  if (!m) return rc;
  m->SetSteps(steps);
  m->MacroActionNum = static_cast<std::uint32_t>(steps.size());
  m->MacroCommandActionNum = static_cast<std::uint8_t>(commands);
  return SaveLibrary(ctx);
}

int RunMode(CliContext& ctx, const Args& args) {
  if (args.size() < 2 || args.size() > 3) return ctx.Usage("usage: macro mode PATH 1|4|2 [REPEAT]");
  const std::string& mode = args[1];
  if (mode != "1" && mode != "2" && mode != "4") return ctx.Usage("the playback mode is 1, 4 or 2");
  long repeat = -1;
  if (args.size() == 3) {
    if (mode != "2") return ctx.Usage("a repeat count goes with mode 2 only");
    const auto n = ParseDecimalArg(args[2], 1, 255, 3);
    if (!n) return ctx.Usage("the repeat count is 1..255");
    repeat = *n;
  }
  int rc = kExitOk;
  MacroItem* m = FindMacro(ctx, args[0], rc);
  if (!m) return rc;
  m->MacroKeyLoopType = static_cast<std::uint8_t>(mode[0] - '0');
  if (repeat > 0) m->MacroKeyLoopNum = static_cast<std::uint8_t>(repeat);
  return SaveLibrary(ctx);
}

int RunExport(CliContext& ctx, const Args& args) {
  if (args.size() != 2) return ctx.Usage("usage: macro export PATH FILE");
  int rc = kExitOk;
  const auto at = FindNode(ctx, args[0], rc);
  if (!at) return rc;
  if (!ctx.app->Macros.NodeAt(*at)->IsMacro()) return ctx.RefuseWithText(kTextSelectMacroFirst, "Select a macro first.");
  ctx.app->Macros.CurrentMacroLocation = *at;
  if (!ExportMacro(ctx.app->Macros, args[1])) return ctx.Refuse(std::string("cannot write ") + args[1]);
  return kExitOk;
}

int RunImport(CliContext& ctx, const Args& argsIn) {
  Args args = argsIn;
  std::optional<std::string> into;
  int rc = kExitOk;
  if (!TakeInto(ctx, args, into, rc)) return rc;
  if (args.size() != 1) return ctx.Usage("usage: macro import FILE [--into PATH]");
  const auto d = IntoSelection(ctx, into, rc);
  if (!d) return rc;
  ctx.app->Macros.CurrentMacroLocation = *d;
  return FinishImport(ctx, ImportMacro(ctx.app->Macros, args[0]), args[0]);
}

struct MacroSubcommand {
  const char* name;
  CliCommandFn run;
};

constexpr MacroSubcommand kMacroSubcommands[] = {
    {"list", &RunList},     {"add", &RunAddMacro},  {"folder", &RunAddFolder}, {"delete", &RunDelete},
    {"show", &RunShow},     {"steps", &RunSteps},   {"mode", &RunMode},        {"export", &RunExport},
    {"import", &RunImport},
};

int RunMacro(CliContext& ctx, const Args& args) {
  if (args.empty()) return ctx.Usage("macro needs a subcommand: list, add, folder, delete, show, steps, mode, export, import");
  for (const auto& sub : kMacroSubcommands) {
    if (args[0] == sub.name) return sub.run(ctx, Args(args.begin() + 1, args.end()));
  }
  return ctx.Usage(std::string("unknown macro subcommand ") + args[0]);
}

const CliCommandRegistrar kMacro{
    "macro",
    "macro list | add PATH | folder PATH | delete PATH | show PATH | steps PATH STEP... |\n"
    "        mode PATH 1|4|2 [REPEAT] | export PATH FILE | import FILE [--into PATH]\n"
    "                              the macro library; PATH is Folder/Sub/Name; STEP is +KEY, -KEY,\n"
    "                              NUMBERms, mx:N, my:N or wheel:N (KEY a key name or L Key..K5)",
    &RunMacro};

}  // namespace
}  // namespace corvane::cli
