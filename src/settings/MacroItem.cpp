#include "settings/MacroItem.h"

#include <algorithm>

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

MacroAction MacroItem::GetAction(std::uint32_t index) const {
  return index >= kMaxActions ? Actions[0] : Actions[index];
}

bool MacroItem::SetAction(std::uint32_t index, const MacroAction& action) {
  if (index >= kMaxActions) return false;
  Actions[index] = action;
  return true;
}

bool MacroItem::InsertAction(std::uint32_t position, const MacroAction& action) {
  if (MacroActionNum >= kMaxActions) return false;
  const std::uint32_t at = std::min(position, MacroActionNum);
  std::move_backward(Actions.begin() + at, Actions.begin() + MacroActionNum, Actions.begin() + MacroActionNum + 1);
  Actions[at] = action;
  ++MacroActionNum;
  return true;
}

bool MacroItem::DeleteAction(std::uint32_t index) {
  if (index >= MacroActionNum || index >= kMaxActions) return false;
  std::move(Actions.begin() + index + 1, Actions.end(), Actions.begin() + index);
  Actions[kMaxActions - 1] = MacroAction{};
  --MacroActionNum;
  return true;
}

}  // namespace corvane
