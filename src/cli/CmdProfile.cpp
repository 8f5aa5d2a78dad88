// corvanectl profile list|add|rename|delete|export|import: the main window's profile
// commands with their rules. Every change is saved (config.ini and the five profile
// files) before the command ends; none of them touches the device except select
// (ProfileSelect.cpp), which sends the newly current profile as a tab click does.
#include <filesystem>

#include "base/TextUtil.h"
#include "cli/Cli.h"
#include "cli/ImportLaunchTargets.h"
#include "cli/KeyValueOutput.h"
#include "cli/ProfileCliSupport.h"
#include "cli/ProfileSelect.h"
#include "lang/LanguageEntries.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"
#include "settings/ProfileTable.h"

namespace corvane::cli {
namespace {

using Args = std::vector<std::string>;

int Saved(CliContext& ctx) {
  std::string why;
  return SaveConfigAndProfiles(ctx, &why) ? kExitOk : ctx.Refuse("the settings could not be saved: " + why);
}

// A name the profile file can hold: not empty (refused as the name dialogs refuse it)
// and on one line, since a line break would split the profile file's name line.
std::optional<int> CheckName(const CliContext& ctx, const std::string& name) {
  if (name.empty()) return ctx.RefuseWithText(kTextNameEmpty, "The name must not be empty.");
  if (name.find_first_of("\r\n") != std::string::npos) return ctx.Usage("a profile name must be on one line");
  return std::nullopt;
}

int List(CliContext& ctx, const Args& args) {
  if (args.size() != 1) return ctx.Usage("usage: profile list");
  const ConfigTable& config = ctx.app->Config;
  KeyValueOutput out;
  out.Number("current", ctx.app->CurrentProfileIndex);
  out.Number("count", config.GetProfileShowCount());
  // The shown profiles in display order.
  for (int i = 0; i < config.ShownPositions(); ++i) {
    const int p = config.GetProfileShowList(i);
    if (p < 0 || p >= kProfileCount) continue;
    out.Text("profile." + std::to_string(p), ctx.app->Profiles[p].ProfileName());
  }
  out.Print(ctx.out, ctx.options.json);
  return kExitOk;
}

int Add(CliContext& ctx, const Args& args) {
  if (args.size() != 2) return ctx.Usage("usage: profile add NAME");
  ConfigTable& config = ctx.app->Config;
  if (config.GetProfileShowCount() >= kProfileShowPositions) {
    return ctx.RefuseWithText(kTextProfileLimit, "No more than five profiles can be shown.");
  }
  if (const auto rc = CheckName(ctx, args[1])) return *rc;
  const int p = config.FirstHiddenProfile();
  if (p < 0)
    return ctx.Refuse("config.ini names no free profile at list position " +
                      std::to_string(config.GetProfileShowCount()));
  ProfileRecord& record = ctx.app->Profiles[p];
  ResetProfileToDefaults(record, 0, ctx.app->Language, ctx.app->Dpi.SensorId);
  record.SetProfileName(U16(args[1]));
  config.ShowNextProfile();
  const int rc = Saved(ctx);
  if (rc == kExitOk) ctx.out << "profile=" << p << "\n";
  return rc;
}

int Rename(CliContext& ctx, const Args& args) {
  if (args.size() != 3) return ctx.Usage("usage: profile rename N NAME");
  const auto p = ParseProfileIndex(args[1]);
  if (!p) return ctx.Usage("profile must be 0 to 4, not \"" + args[1] + "\"");
  if (const auto rc = CheckName(ctx, args[2])) return *rc;
  ctx.app->Profiles[*p].SetProfileName(U16(args[2]));
  return Saved(ctx);
}

int Delete(CliContext& ctx, const Args& args) {
  if (args.size() != 2) return ctx.Usage("usage: profile delete N");
  const auto p = ParseProfileIndex(args[1]);
  if (!p) return ctx.Usage("profile must be 0 to 4, not \"" + args[1] + "\"");
  if (*p == ctx.app->CurrentProfileIndex) {
    return ctx.RefuseWithText(kTextCannotDeleteCurrent, "The current profile cannot be deleted.");
  }
  // The record itself stays as it is; it returns when the profile is added again.
  if (!ctx.app->Config.HideProfile(*p)) return ctx.Refuse("profile " + args[1] + " is not in the profile list");
  return Saved(ctx);
}

int Export(CliContext& ctx, const Args& args) {
  if (args.size() != 3) return ctx.Usage("usage: profile export N FILE");
  const auto p = ParseProfileIndex(args[1]);
  if (!p) return ctx.Usage("profile must be 0 to 4, not \"" + args[1] + "\"");
  std::string why;
  if (!WriteProfileFile(ctx.app->Profiles[*p], std::filesystem::path(args[2]), &why)) {
    return ctx.Refuse("cannot write " + args[2] + ": " + why);
  }
  return kExitOk;
}

int Import(CliContext& ctx, const Args& given) {
  Args args = given;
  const bool allowLaunch = TakeAllowLaunchFlag(args);
  if (args.size() != 3) return ctx.Usage("usage: profile import N FILE [--allow-launch]");
  const auto p = ParseProfileIndex(args[1]);
  if (!p) return ctx.Usage("profile must be 0 to 4, not \"" + args[1] + "\"");
  // A file that cannot be imported leaves the profile and every stored file as they were.
  std::string why;
  if (!ReadProfileFile(*ctx.app, ctx.app->Language, *p, std::filesystem::path(args[2]), &why))
    return ctx.Refuse(args[2] + ": " + why + "; profile " + args[1] + " was left as it was");
  ReviewLaunchTargets(ctx, ctx.app->Profiles[*p], allowLaunch);
  return Saved(ctx);
}

struct Subcommand {
  const char* Name;
  int (*Run)(CliContext&, const Args&);
};

constexpr Subcommand kSubcommands[] = {
    {"list", &List}, {"add", &Add}, {"rename", &Rename}, {"delete", &Delete}, {"export", &Export}, {"import", &Import},
    {"select", &RunProfileSelect},
};

int RunProfile(CliContext& ctx, const Args& args) {
  if (!args.empty()) {
    for (const Subcommand& s : kSubcommands) {
      if (args[0] == s.Name) return s.Run(ctx, args);
    }
  }
  return ctx.Usage("usage: profile list|select N|add NAME|rename N NAME|delete N|export N FILE|import N FILE");
}

const CliCommandRegistrar kProfile{
    "profile",
    "profile list|select N|add NAME|rename N NAME|delete N|export N FILE|import N FILE   the profile commands",
    &RunProfile};

}  // namespace
}  // namespace corvane::cli
