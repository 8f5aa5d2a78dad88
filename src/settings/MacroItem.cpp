#include "settings/MacroItem.h"

#include <algorithm>

#include "base/TextUtil.h"

namespace corvane {

MacroAction MakeDelayStep(std::uint32_t ms) {
  return MacroAction{{kMacroDelayCode, static_cast<std::uint8_t>(ms >> 16), static_cast<std::uint8_t>(ms >> 8),
                      static_cast<std::uint8_t>(ms)}};
}

MacroAction MakeKeyStep(std::uint8_t code, bool release) {
  return MacroAction{{code, release ? kMacroReleaseBit : std::uint8_t{0}, 0, 0}};
}

MacroAction MakeMotionStep(std::uint8_t code, std::int8_t amount) {
  return MacroAction{{code, 0, 0, static_cast<std::uint8_t>(amount)}};
}

namespace {

// The value of each ASCII hexadecimal digit, -1 for every other character.
constexpr auto kHexDigits = [] {
  std::array<std::int8_t, 128> table{};
  for (char32_t c = 0; c < table.size(); ++c) table[c] = static_cast<std::int8_t>(HexDigitValue(c));
  return table;
}();

int HexDigitAt(char16_t c) { return c < kHexDigits.size() ? kHexDigits[c] : -1; }

std::uint8_t ByteFromDigits(const char16_t* pair) {
  const int hi = HexDigitAt(pair[0]);
  const int lo = HexDigitAt(pair[1]);
  if (hi >= 0 && lo >= 0) return static_cast<std::uint8_t>(hi * 16 + lo);
  return static_cast<std::uint8_t>(ParseLong(std::u16string_view(pair, 2), 16));
}

}  // namespace

MacroAction StepFromDigits(const char16_t* digits) {
  // A stored macro is mostly unused slots, eight '0' digits each: one comparison reads them.
  static constexpr char16_t kUnused[kMacroStepDigits] = {u'0', u'0', u'0', u'0', u'0', u'0', u'0', u'0'};
  if (std::equal(digits, digits + kMacroStepDigits, kUnused)) return MacroAction{};
  MacroAction step;
  for (std::size_t k = 0; k < step.bytes.size(); ++k) step.bytes[k] = ByteFromDigits(digits + 2 * k);
  return step;
}

MacroAction MacroItem::GetAction(std::uint32_t index) const {
  const std::uint32_t at = index >= kMaxActions ? 0 : index;
  return at < actions_.size() ? actions_[at] : MacroAction{};
}

void MacroItem::DropTrailingZeroSlots() {
  while (!actions_.empty() && actions_.back() == MacroAction{}) actions_.pop_back();
}

bool MacroItem::SetAction(std::uint32_t index, const MacroAction& action) {
  if (index >= kMaxActions) return false;
  if (index >= actions_.size()) {
    if (action == MacroAction{}) return true;
    actions_.resize(index + 1);
  }
  actions_[index] = action;
  DropTrailingZeroSlots();
  return true;
}

void MacroItem::SetSteps(std::span<const MacroAction> steps) {
  const std::span<const MacroAction> kept = steps.first(std::min<std::size_t>(steps.size(), kMaxActions));
  actions_.assign(kept.begin(), kept.end());
  DropTrailingZeroSlots();
}

bool MacroItem::InsertAction(std::uint32_t position, const MacroAction& action) {
  if (MacroActionNum >= kMaxActions) return false;
  const std::uint32_t at = std::min(position, MacroActionNum);
  if (actions_.size() <= MacroActionNum) actions_.resize(MacroActionNum + 1);
  std::move_backward(actions_.begin() + at, actions_.begin() + MacroActionNum, actions_.begin() + MacroActionNum + 1);
  actions_[at] = action;
  ++MacroActionNum;
  DropTrailingZeroSlots();
  return true;
}

bool MacroItem::DeleteAction(std::uint32_t index) {
  if (index >= MacroActionNum || index >= kMaxActions) return false;
  if (index < actions_.size()) {
    actions_.erase(actions_.begin() + index);
    DropTrailingZeroSlots();
  }
  --MacroActionNum;
  return true;
}

bool MacroItem::ReadStepDigits(std::u16string_view digits) {
  if (digits.size() != kMacroAllStepDigits) return false;
  const auto stepAt = [&](std::size_t i) { return StepFromDigits(digits.data() + i * kMacroStepDigits); };
  // From the end, so that the zero slots a file is mostly made of are read once and never stored.
  std::size_t stored = kMaxActions;
  MacroAction last;
  while (stored > 0 && (last = stepAt(stored - 1)) == MacroAction{}) --stored;
  std::vector<MacroAction> steps(stored);
  if (stored > 0) {
    for (std::size_t i = 0; i + 1 < stored; ++i) steps[i] = stepAt(i);
    steps[stored - 1] = last;
  }
  actions_ = std::move(steps);
  return true;
}

void MacroItem::AppendStepDigits(std::u16string& out) const {
  for (const MacroAction& a : actions_) {
    for (std::uint8_t b : a.bytes) AppendHexDigits(out, b, 2);
  }
  out.append((kMaxActions - actions_.size()) * kMacroStepDigits, u'0');
}

}  // namespace corvane
