#include "settings/ButtonAssignment.h"

#include "base/TextUtil.h"
#include "lang/LanguageEntries.h"
#include "lang/LanguageTable.h"
#include "settings/KeyTables.h"
#include "settings/ProfileTable.h"
#include "settings/SensorTables.h"

namespace corvane {

namespace {

constexpr int kButtonControlCount = kButtonCount;
constexpr ButtonValue kLeftClick{0x10, 0x01, 0x00};
constexpr ButtonValue kQuickLaunchValue{kButtonFamilySystem, 0x05, 0x00};
constexpr ButtonValue kMacroPicked{kButtonFamilyMacro, 0x00, 0x00};
constexpr ButtonValue kDisabledValue{0x00, 0x00, 0x00};
// The fire-key dialog takes intervals above this many milliseconds, and byte values.
constexpr long kMinFireIntervalExclusive = 4;
constexpr long kMaxFireValue = 255;
constexpr int kLeftClickAttentionDelayMs = 100;

bool IsLeftClick(const ButtonEntry& b) { return b.Value[0] == kLeftClick[0] && b.Value[1] == kLeftClick[1]; }

}  // namespace

std::optional<int> ButtonOfControl(int controlId) {
  const int i = controlId - kFirstButtonControl;
  if (i < 0 || i >= kButtonControlCount) return std::nullopt;
  return i;
}

std::optional<ButtonFunction> MenuChoice(const LanguageTable& language, int code) {
  const ButtonMenuItem* item = ButtonMenuItemOf(code);
  if (!item || item->Action != ButtonMenuAction::Value) return std::nullopt;
  return ButtonFunction{language.Text(item->LabelText), item->Value, {}, nullptr};
}

std::optional<ButtonFunction> SubmenuChoice(const LanguageTable& language, ButtonSubmenu menu, int item) {
  const auto items = SubmenuItems(menu);
  if (item < 1 || item > static_cast<int>(items.size())) return std::nullopt;
  const SubmenuItem& s = items[static_cast<std::size_t>(item - 1)];
  return ButtonFunction{language.Text(s.LabelText), s.Value, {}, nullptr};
}

std::optional<ButtonFunction> DpiLockChoice(const LanguageTable& language, std::uint16_t sensorId, int item) {
  if (item < 1 || item > kDpiLockItemCount) return std::nullopt;
  return ButtonFunction{language.Text(kTextDpiLock) + u"-" + FormatDecimal(DpiLockItemDpi(item)),
                        {kButtonFamilyDpiLock, DpiLockCode(sensorId, item), 0x00},
                        {},
                        nullptr};
}

FireKeyOutcome FireKeyChoice(const LanguageTable& language, long interval, long count) {
  if (interval <= kMinFireIntervalExclusive || interval > kMaxFireValue) return {std::nullopt, kTextFireIntervalRange};
  if (count < 0 || count > kMaxFireValue) return {std::nullopt, kTextFireCountRange};
  std::u16string label = language.Text(kTextFireKeyCustom);
  if (!label.empty() && label.back() == u'+') label.pop_back();
  return {ButtonFunction{label,
                         {kButtonFamilyFire, static_cast<std::uint8_t>(interval), static_cast<std::uint8_t>(count)},
                         {},
                         nullptr},
          0};
}

ButtonFunction QuickLaunchChoice(const std::u16string& path) {
  const std::size_t slash = path.find_last_of(u"/\\");
  return {slash == std::u16string::npos ? path : path.substr(slash + 1), kQuickLaunchValue, path, nullptr};
}

std::optional<ButtonFunction> KeyCombinationChoice(const ShortcutChoice& choice) {
  const Shortcut s = ShortcutText(choice);
  if (s.Text.empty()) return std::nullopt;
  return ButtonFunction{s.Text, s.Value, {}, nullptr};
}

ButtonFunction MacroChoice(const LanguageTable& language, const MacroItem* macro, std::u16string_view name) {
  if (macro) return {language.Text(kTextMacroPrefix) + std::u16string(name), kMacroPicked, {}, macro};
  return {language.Text(kTextDisable), kDisabledValue, {}, nullptr};
}

void AssignButtonFunction(ProfileRecord& p, std::optional<int> button, const ButtonFunction& function) {
  ButtonEntry* entry = button ? ButtonAt(p, *button) : nullptr;
  if (!entry) return;
  SetButtonName(*entry, function.Label);
  SetButtonURL(*entry, function.Url);
  entry->Value = function.Value;
  if (function.Macro) {
    SetButtonMacro(*entry, function.Macro);
    entry->MacroKeyIndex = function.Macro->MacroKeyIndex;
  } else {
    const MacroItem empty;
    SetButtonMacro(*entry, &empty);
  }
}

CommandEffect EnsureLeftClick(ProfileRecord& p, std::optional<int> button, const LanguageTable& language,
                              DeviceDirtyFlags& dirty) {
  CommandEffect e;
  for (const ButtonEntry& b : p.Buttons) {
    if (!IsLeftClick(b)) continue;
    dirty.ButtonsDirty = 1;
    e.ScheduleApply = true;
    return e;
  }
  // The mouse must keep a left click: the button just changed gets it back.
  if (ButtonEntry* entry = button ? ButtonAt(p, *button) : nullptr) {
    SetButtonName(*entry, language.Text(kTextLeftClick));
    entry->Value = kLeftClick;
  }
  e.RefreshView = true;
  e.AttentionText = kTextLeftClickRestored;
  e.AttentionDelayMs = kLeftClickAttentionDelayMs;
  return e;
}

CommandEffect ApplyButtonChoice(ProfileRecord& p, std::optional<int> button, const ButtonFunction& function,
                                const LanguageTable& language, DeviceDirtyFlags& dirty) {
  AssignButtonFunction(p, button, function);
  return EnsureLeftClick(p, button, language, dirty);
}

}  // namespace corvane
