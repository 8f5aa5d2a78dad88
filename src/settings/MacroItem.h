#pragma once
// One macro: up to 250 four-byte steps plus its playback mode.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// One step, bytes in the order files and the device use them.
//   byte0 0..7      delay (program writes 3), bytes 1..3 = 24-bit big-endian milliseconds
//   byte0 8..223    key (virtual-key code), byte1 bit 7 = release
//   byte0 224..228  mouse button L, R, M, K4, K5; byte1 bit 7 = release
//   byte0 229/230   mouse X / Y movement, byte3 = signed distance
//   byte0 231       wheel, byte3 = signed steps
struct MacroAction {
  std::array<std::uint8_t, 4> bytes{};
  bool operator==(const MacroAction&) const = default;
};
static_assert(sizeof(MacroAction) == 4);

constexpr std::uint8_t kMacroDelayCode = 3;
constexpr std::uint8_t kMacroReleaseBit = 0x80;
constexpr std::uint8_t kMacroMouseLeft = 224;
constexpr std::uint8_t kMacroMouseK5 = 228;
constexpr std::uint8_t kMacroMoveX = 229;
constexpr std::uint8_t kMacroMoveY = 230;
constexpr std::uint8_t kMacroWheel = 231;

inline bool IsDelayStep(const MacroAction& a) { return a.bytes[0] <= 7; }
inline std::uint32_t DelayOf(const MacroAction& a) {
  return (std::uint32_t{a.bytes[1]} << 16) | (std::uint32_t{a.bytes[2]} << 8) | a.bytes[3];
}
MacroAction MakeDelayStep(std::uint32_t ms);  // 24 bits kept
MacroAction MakeKeyStep(std::uint8_t code, bool release);
MacroAction MakeMotionStep(std::uint8_t code, std::int8_t amount);

// The step list as files keep it: 8 hexadecimal digits per step, two per byte.
constexpr std::size_t kMacroStepDigits = 8;
// One step from its 8 digits. A pair that is not two hexadecimal digits reads as the
// standard conversion reads it (leading blanks and a sign allowed, digits up to the first
// other character), so a hand-edited file reads the same everywhere.
MacroAction StepFromDigits(const char16_t* digits);

// The 250 slots are kept up to the last one that is not all zero: a library holds a
// thousand macros of a few dozen steps each, and every later slot reads as zero anyway.
// Slots past MacroActionNum that are not zero are kept like any other (files may carry
// them, and they are written back as they were read).
struct MacroItem {
  static constexpr std::uint32_t kMaxActions = 250;
  static constexpr std::uint32_t kMaxCommandActions = 125;

  MacroItem() = default;
  explicit MacroItem(std::u16string name) : MacroItemName(std::move(name)) {}

  std::u16string MacroItemName;
  std::uint32_t MacroKeyIndex = 0;
  std::uint32_t MacroActionNum = 0;
  std::uint8_t MacroKeyLoopType = 2;
  std::uint8_t MacroKeyLoopNum = 1;
  std::uint8_t MacroCommandActionNum = 0;

  // Index 250 or more reads step 0; a slot after the stored ones reads as zero.
  MacroAction GetAction(std::uint32_t index) const;
  // The stored slots: up to the last one that is not zero, the unused ones among them
  // included; every slot after them is zero.
  std::span<const MacroAction> Steps() const { return actions_; }
  bool SetAction(std::uint32_t index, const MacroAction& action);
  // Replaces all 250 slots: the given ones (the first 250 of them), zero after them.
  void SetSteps(std::span<const MacroAction> steps);
  // Inserts at min(position, MacroActionNum), over the first unused slot; false when
  // already full.
  bool InsertAction(std::uint32_t position, const MacroAction& action);
  // Moves later steps down, zeroes the last slot; false for an unused index.
  bool DeleteAction(std::uint32_t index);

  // Takes all slots from their stored digits, kMaxActions * kMacroStepDigits of them;
  // false (nothing changed) for any other length.
  bool ReadStepDigits(std::u16string_view digits);
  // Appends all 250 slots as files keep them, kMaxActions * kMacroStepDigits digits.
  void AppendStepDigits(std::u16string& out) const;

 private:
  void DropTrailingZeroSlots();

  std::vector<MacroAction> actions_;  // never ends in a zero slot, at most kMaxActions
};

constexpr std::size_t kMacroAllStepDigits = MacroItem::kMaxActions * kMacroStepDigits;  // 2000

}  // namespace corvane
