#pragma once
// The address of one slot of the macro library tree.
#include <cstdint>

namespace corvane {

struct MacroLocation {
  static constexpr int kSlots = 60;  // slots per sibling group

  int stage = -1;  // -1 none, 0 top level, 1 second level, 2 third level
  int stage0Index = 0;
  int stage1Index = 0;
  int stage2Index = 0;

  bool operator==(const MacroLocation&) const = default;

  static constexpr MacroLocation None() { return {}; }
  static constexpr MacroLocation Top(int a) { return {0, a, 0, 0}; }
  static constexpr MacroLocation Child(int a, int b) { return {1, a, b, 0}; }
  static constexpr MacroLocation Grandchild(int a, int b, int c) { return {2, a, b, c}; }

  // Whether the location addresses a slot: a stage of 0..2 and, for the indexes that
  // stage uses, 0..59. Indexes the stage does not use are not looked at.
  constexpr bool IsInsideTree() const {
    if (stage < 0 || stage > 2) return false;
    if (!InRange(stage0Index)) return false;
    if (stage >= 1 && !InRange(stage1Index)) return false;
    if (stage == 2 && !InRange(stage2Index)) return false;
    return true;
  }

  // The same slot with the unused indexes set to 0 (as the library file writes them).
  constexpr MacroLocation Normalized() const {
    switch (stage) {
      case 0: return Top(stage0Index);
      case 1: return Child(stage0Index, stage1Index);
      case 2: return Grandchild(stage0Index, stage1Index, stage2Index);
      default: return None();
    }
  }

 private:
  static constexpr bool InRange(int i) { return i >= 0 && i < kSlots; }
};

}  // namespace corvane
