#pragma once
// Assigning a function to one of the mouse's seven buttons, as the button page's menu,
// submenus and dialogs do: the choice they report (a label, three value bytes, possibly
// a target or a macro), storing it in the current profile, and making sure a left click
// remains.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/ButtonFunctionMenus.h"
#include "settings/CommandEffect.h"
#include "settings/DeviceDirtyFlags.h"

namespace corvane {

struct ProfileRecord;
struct LanguageTable;
struct MacroItem;
struct ShortcutChoice;

// The combo controls 2013..2019 are bound to buttons 0..6; 2020 and 2021 to none.
constexpr int kFirstButtonControl = 2013;
std::optional<int> ButtonOfControl(int controlId);

struct ButtonFunction {
  std::u16string Label;
  ButtonValue Value{};
  std::u16string Url;             // quick launch
  const MacroItem* Macro = nullptr;  // macro picker
};

// Choices of the menu and its submenus. Null when the item opens a submenu or dialog
// (or does not exist).
std::optional<ButtonFunction> MenuChoice(const LanguageTable& language, int code);
std::optional<ButtonFunction> SubmenuChoice(const LanguageTable& language, ButtonSubmenu menu, int item);
// DPI-lock item 1..11: "<text 36>-<DPI>", value 50 nn 00 with the sensor's code.
std::optional<ButtonFunction> DpiLockChoice(const LanguageTable& language, std::uint16_t sensorId, int item);

// The fire-key dialog: an interval above 4 and values up to 255; otherwise the text of
// the dialog's refusal (174 interval, 176 count).
struct FireKeyOutcome {
  std::optional<ButtonFunction> Choice;
  int RefusalText = 0;
};
FireKeyOutcome FireKeyChoice(const LanguageTable& language, long interval, long count);

// The quick-launch dialog: the file's name as label, value 60 05 00, the path as target.
ButtonFunction QuickLaunchChoice(const std::u16string& path);
// The key-combination dialog: nothing when neither a key nor a modifier was given.
std::optional<ButtonFunction> KeyCombinationChoice(const ShortcutChoice& choice);
// A picked macro gives "<text 190><name>", 90 00 00 and the macro (the upload fills in
// slot and mode); no macro gives the disabled function.
ButtonFunction MacroChoice(const LanguageTable& language, const MacroItem* macro, std::u16string_view name);

// Stores the choice in button i (0..6) of the profile: label, target, value, and the
// macro copy (an empty macro when none is given; with a macro also its key index).
// Any other i changes nothing.
void AssignButtonFunction(ProfileRecord& p, std::optional<int> button, const ButtonFunction& function);

// With at least one left-click button the buttons are to be sent; with none, the given
// button is given back left click and attention text 151 follows after 100 ms, and
// nothing is sent.
CommandEffect EnsureLeftClick(ProfileRecord& p, std::optional<int> button, const LanguageTable& language,
                              DeviceDirtyFlags& dirty);

// A menu, submenu or dialog result as the window applies every one of them.
CommandEffect ApplyButtonChoice(ProfileRecord& p, std::optional<int> button, const ButtonFunction& function,
                                const LanguageTable& language, DeviceDirtyFlags& dirty);

}  // namespace corvane
