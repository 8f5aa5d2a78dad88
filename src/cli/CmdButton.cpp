// corvanectl button B FUNCTION: gives button B (0..6) a function as the button page's
// menu, submenus and dialogs do, keeps a left click on the mouse, then uploads.
#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/TextUtil.h"
#include "cli/Cli.h"
#include "cli/CliNumbers.h"
#include "cli/UploadCliSupport.h"
#include "macros/MacroPath.h"
#include "macros/MacroPicker.h"
#include "session/AppContext.h"
#include "settings/ButtonAssignment.h"
#include "settings/KeyTables.h"
#include "settings/ProfileTable.h"
#include "settings/SensorTables.h"

namespace corvane::cli {
namespace {

constexpr const char* kUsage =
    "usage: button B left|right|middle|back|forward|dpi-up|dpi-down|dpi-cycle|dpi-lock:DPI|fire|"
    "fire:INTERVAL:COUNT|key:[ctrl+][shift+][alt+][win+]KEY|media:N|office:N|window:N|profile|launch:PATH|"
    "macro:PATH|disabled|raw:XXYYZZ";

// Functions named by one word: the menu item, or the submenu and item, they stand for.
struct NamedFunction {
  std::string_view Name;
  int MenuCode;  // 0: a submenu item
  ButtonSubmenu Submenu;
  int Item;
};

constexpr NamedFunction kNamedFunctions[] = {
    {"left", 1, ButtonSubmenu::Dpi, 0},     {"right", 2, ButtonSubmenu::Dpi, 0},
    {"middle", 3, ButtonSubmenu::Dpi, 0},   {"forward", 4, ButtonSubmenu::Dpi, 0},
    {"back", 5, ButtonSubmenu::Dpi, 0},     {"fire", 8, ButtonSubmenu::Dpi, 0},
    {"profile", 14, ButtonSubmenu::Dpi, 0}, {"disabled", 17, ButtonSubmenu::Dpi, 0},
    {"dpi-up", 0, ButtonSubmenu::Dpi, 1},   {"dpi-down", 0, ButtonSubmenu::Dpi, 2},
    {"dpi-cycle", 0, ButtonSubmenu::Dpi, 3},
};

struct NumberedSubmenu {
  std::string_view Prefix;
  ButtonSubmenu Submenu;
};

constexpr NumberedSubmenu kNumberedSubmenus[] = {
    {"media:", ButtonSubmenu::Multimedia},
    {"office:", ButtonSubmenu::Office},
    {"window:", ButtonSubmenu::Window},
};

constexpr std::string_view kModifierPrefixes[] = {"ctrl+", "shift+", "alt+", "win+"};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char p, char t) { return std::tolower(static_cast<unsigned char>(t)) == p; });
}

// The outcome of parsing FUNCTION: a function, or how the command ends.
struct Parsed {
  std::optional<ButtonFunction> Function;
  int ExitCode = kExitOk;
};

Parsed Usage(CliContext& ctx, const std::string& why) { return {std::nullopt, ctx.Usage(why)}; }

Parsed KeyCombination(CliContext& ctx, std::string_view spec) {
  ShortcutChoice choice;
  bool* flags[] = {&choice.Ctrl, &choice.Shift, &choice.Alt, &choice.Win};
  // Modifiers in any order, each once.
  for (bool found = true; found;) {
    found = false;
    for (std::size_t i = 0; i < std::size(kModifierPrefixes); ++i) {
      if (*flags[i] || !StartsWithNoCase(spec, kModifierPrefixes[i])) continue;
      *flags[i] = true;
      spec.remove_prefix(kModifierPrefixes[i].size());
      found = true;
    }
  }
  if (!spec.empty()) {
    const auto code = VirtualKeyOfName(U16(spec));
    if (!code) return Usage(ctx, "key: no key is named \"" + std::string(spec) + "\"");
    if (IsIgnoredShortcutKey(*code)) return Usage(ctx, "key: " + std::string(spec) + " can only be a modifier");
    choice.KeyName = std::u16string(KeyName(*code));
    choice.KeyCode = KeyUsage(*code);
  }
  const auto function = KeyCombinationChoice(choice);
  if (!function) return Usage(ctx, "key: give a key, modifiers or both");
  return {function};
}

Parsed ParseFunction(CliContext& ctx, const std::string& text) {
  const AppContext& app = *ctx.app;
  const LanguageTable& lang = app.Language;
  const std::string_view f = text;
  for (const NamedFunction& n : kNamedFunctions) {
    if (f != n.Name) continue;
    return {n.MenuCode ? MenuChoice(lang, n.MenuCode) : SubmenuChoice(lang, n.Submenu, n.Item)};
  }
  for (const NumberedSubmenu& s : kNumberedSubmenus) {
    if (f.substr(0, s.Prefix.size()) != s.Prefix) continue;
    const auto item = ParseDecimalArg(f.substr(s.Prefix.size()));
    const auto function = item ? SubmenuChoice(lang, s.Submenu, static_cast<int>(*item)) : std::nullopt;
    if (!function)
      return Usage(ctx, std::string(s.Prefix) + " takes an item 1 to " + std::to_string(SubmenuItems(s.Submenu).size()));
    return {function};
  }
  if (f.rfind("dpi-lock:", 0) == 0) {
    const auto dpi = ParseDecimalArg(f.substr(9));
    if (!dpi || *dpi % 100 != 0 || *dpi < DpiLockItemDpi(1) || *dpi > DpiLockItemDpi(kDpiLockItemCount))
      return Usage(ctx, "dpi-lock: takes 200 to 1200 in steps of 100");
    return {DpiLockChoice(lang, app.Dpi.SensorId, static_cast<int>((*dpi - 100) / 100))};
  }
  if (f.rfind("fire:", 0) == 0) {
    const std::size_t colon = f.find(':', 5);
    const auto interval = ParseDecimalArg(f.substr(5, colon == std::string_view::npos ? 0 : colon - 5));
    const auto count = colon == std::string_view::npos ? std::nullopt : ParseDecimalArg(f.substr(colon + 1));
    if (!interval || !count) return Usage(ctx, "fire: takes INTERVAL:COUNT");
    const FireKeyOutcome fire = FireKeyChoice(lang, *interval, *count);
    if (!fire.Choice) {
      const std::u16string& why = lang.Text(fire.RefusalText);
      return {std::nullopt, why.empty() ? ctx.Refuse("fire: the interval must be 5 to 255 and the count 0 to 255")
                                        : ctx.Refuse(why)};
    }
    return {fire.Choice};
  }
  if (f.rfind("key:", 0) == 0) return KeyCombination(ctx, f.substr(4));
  if (f.rfind("launch:", 0) == 0) {
    if (f.size() == 7) return Usage(ctx, "launch: takes the path or address to open");
    return {QuickLaunchChoice(U16(f.substr(7)))};
  }
  if (f.rfind("macro:", 0) == 0) {
    const auto at = FindMacroPath(app.Macros, U16(f.substr(6)));
    const MacroNode* node = at ? app.Macros.NodeAt(*at) : nullptr;
    if (!node || !node->IsMacro())
      return {std::nullopt, ctx.Refuse("the macro library holds no macro " + std::string(f.substr(6)))};
    return {MacroPickerChoice(lang, node)};
  }
  if (f.rfind("raw:", 0) == 0) {
    const auto hex = ParseHexArg(f.substr(4), 6);
    if (!hex) return Usage(ctx, "raw: takes six hexadecimal digits");
    const unsigned v = static_cast<unsigned>(*hex);
    ButtonFunction raw;
    raw.Value = {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
    raw.Label = FormatHexFixed(raw.Value[0], 2) + u" " + FormatHexFixed(raw.Value[1], 2) + u" " +
                FormatHexFixed(raw.Value[2], 2);
    return {raw};
  }
  return Usage(ctx, kUsage);
}

int RunButton(CliContext& ctx, const std::vector<std::string>& args) {
  if (args.size() != 2) return ctx.Usage(kUsage);
  const auto button = ParseDecimalArg(args[0]);
  if (!button || *button >= kButtonCount) return ctx.Usage("button: B is 0 to 6");
  const Parsed parsed = ParseFunction(ctx, args[1]);
  if (!parsed.Function) return parsed.ExitCode;

  int exitCode = kExitOk;
  const auto upload = UploadSession::Open(ctx, exitCode);
  if (!upload) return exitCode;
  const CommandEffect e = ApplyButtonChoice(upload->Profile(), static_cast<int>(*button), *parsed.Function,
                                            ctx.app->Language, upload->State().Dirty);
  // The last left click cannot be given away: the button keeps it and nothing is sent.
  if (e.AttentionText != 0) return upload->RefuseEffect(e, "the mouse must keep one left-click button");
  return upload->ApplyAndSave();
}

const CliCommandRegistrar kButton{"button", "button B FUNCTION           assign a function to button B (0..6)",
                                  &RunButton};

}  // namespace
}  // namespace corvane::cli
