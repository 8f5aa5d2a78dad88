#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "settings/MacroItem.h"

namespace corvane {
namespace {

constexpr std::uint32_t kSlots = MacroItem::kMaxActions;

// The non-zero slots of a macro by index; every other slot is zero.
using Slots = std::map<std::uint32_t, MacroAction>;

// A step that tells its slot apart from every other (never zero).
MacroAction StepNo(std::uint32_t n) { return MacroAction{{0x41, 0, static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)}}; }
const MacroAction kNew = MakeKeyStep(0x5A, true);

// Slots [from, to) holding StepNo(slot + shift).
Slots Filled(std::uint32_t from, std::uint32_t to, std::uint32_t shift = 0) {
  Slots s;
  for (std::uint32_t i = from; i < to; ++i) s[i] = StepNo(i + shift);
  return s;
}
Slots With(Slots s, const Slots& more) {
  for (const auto& [i, a] : more) s[i] = a;
  return s;
}

// The 2000 digits a file holds for these slots.
std::u16string DigitsOf(const Slots& slots) {
  std::u16string digits(kMacroAllStepDigits, u'0');
  for (const auto& [i, a] : slots) {
    std::u16string step;
    for (std::uint8_t b : a.bytes) AppendHexDigits(step, b, 2);
    digits.replace(i * kMacroStepDigits, kMacroStepDigits, step);
  }
  return digits;
}

MacroItem Loaded(const Slots& slots, std::uint32_t count) {
  MacroItem m;
  EXPECT_TRUE(m.ReadStepDigits(DigitsOf(slots)));
  m.MacroActionNum = count;
  return m;
}

// Every slot reads as expected, only the slots up to the last non-zero one are kept, and
// the macro is written as the file would hold those slots.
void ExpectSlots(const MacroItem& m, const Slots& expected, const std::string& what) {
  for (std::uint32_t i = 0; i < kSlots; ++i) {
    const auto it = expected.find(i);
    EXPECT_EQ(m.GetAction(i), it == expected.end() ? MacroAction{} : it->second) << what << ", slot " << i;
  }
  EXPECT_EQ(m.GetAction(kSlots), m.GetAction(0)) << what << ": an index past the slots reads step 0";
  EXPECT_EQ(m.GetAction(4000000000u), m.GetAction(0)) << what;
  EXPECT_EQ(m.Steps().size(), expected.empty() ? 0u : expected.rbegin()->first + 1) << what;
  std::u16string written;
  m.AppendStepDigits(written);
  EXPECT_EQ(written, DigitsOf(expected)) << what;
}

TEST(MacroItemSteps, EditsKeepTheMeaningOfAllSlots) {
  struct Case {
    const char* what;
    Slots before;
    std::uint32_t count;
    std::function<bool(MacroItem&)> edit;
    bool accepted;
    Slots after;
    std::uint32_t countAfter;
  };
  const Slots full = Filled(0, kSlots);
  const std::vector<Case> cases = {
      {"a few steps", Filled(0, 3), 3, [](MacroItem&) { return true; }, true, Filled(0, 3), 3},
      {"a slot after the count", With(Filled(0, 1), Filled(100, 101)), 1, [](MacroItem&) { return true; }, true,
       With(Filled(0, 1), Filled(100, 101)), 1},
      {"only the last slot", Filled(249, 250), 0, [](MacroItem&) { return true; }, true, Filled(249, 250), 0},
      {"last stored slot set to zero", With(Filled(0, 1), Filled(5, 6)), 6,
       [](MacroItem& m) { return m.SetAction(5, MacroAction{}); }, true, Filled(0, 1), 6},
      {"slot 249 set", Filled(0, 1), 1, [](MacroItem& m) { return m.SetAction(249, kNew); }, true,
       With(Filled(0, 1), {{249, kNew}}), 1},
      {"zero set past the stored slots", Filled(0, 2), 2, [](MacroItem& m) { return m.SetAction(10, MacroAction{}); },
       true, Filled(0, 2), 2},
      {"slot 250 set", Filled(0, 2), 2, [](MacroItem& m) { return m.SetAction(kSlots, kNew); }, false, Filled(0, 2), 2},
      {"insert into a full macro", full, kSlots, [](MacroItem& m) { return m.InsertAction(0, kNew); }, false, full,
       kSlots},
      {"insert fills slot 249", Filled(0, 249), 249, [](MacroItem& m) { return m.InsertAction(1000, kNew); }, true,
       With(Filled(0, 249), {{249, kNew}}), kSlots},
      {"insert at the front of 249 steps", Filled(0, 249), 249, [](MacroItem& m) { return m.InsertAction(0, kNew); },
       true, With(Filled(1, kSlots, -1u), {{0, kNew}}), kSlots},
      {"insert over the first unused slot", Filled(0, 2), 1, [](MacroItem& m) { return m.InsertAction(0, kNew); }, true,
       With(Filled(1, 2, -1u), {{0, kNew}}), 2},
      {"insert keeps later unused slots", With(Filled(0, 1), Filled(5, 6)), 1,
       [](MacroItem& m) { return m.InsertAction(1, kNew); }, true, With(Filled(0, 1), {{1, kNew}, {5, StepNo(5)}}), 2},
      {"insert with zero steps stored", {}, 5, [](MacroItem& m) { return m.InsertAction(2, kNew); }, true,
       {{2, kNew}}, 6},
      {"insert of a zero step at the end", Filled(0, 1), 1, [](MacroItem& m) { return m.InsertAction(1, MacroAction{}); },
       true, Filled(0, 1), 2},
      {"delete the first of a full macro", full, kSlots, [](MacroItem& m) { return m.DeleteAction(0); }, true,
       Filled(0, 249, 1), 249},
      {"delete slot 249 of a full macro", full, kSlots, [](MacroItem& m) { return m.DeleteAction(249); }, true,
       Filled(0, 249), 249},
      {"delete moves unused slots down", With(Filled(0, 2), Filled(7, 8)), 2, [](MacroItem& m) { return m.DeleteAction(0); },
       true, {{0, StepNo(1)}, {6, StepNo(7)}}, 1},
      {"delete the last stored step", With(Filled(0, 1), Filled(3, 4)), 4, [](MacroItem& m) { return m.DeleteAction(3); },
       true, Filled(0, 1), 3},
      {"delete a zero step after the stored ones", Filled(0, 1), 5, [](MacroItem& m) { return m.DeleteAction(3); }, true,
       Filled(0, 1), 4},
      {"delete at the count", Filled(0, 2), 1, [](MacroItem& m) { return m.DeleteAction(1); }, false, Filled(0, 2), 1},
      {"steps replaced, zero ones at the end", full, 3,
       [](MacroItem& m) {
         const std::vector<MacroAction> steps = {StepNo(0), {}, StepNo(2), {}, {}};
         m.SetSteps(steps);
         return true;
       },
       true, {{0, StepNo(0)}, {2, StepNo(2)}}, 3},
      {"more than 250 steps given", {}, 0,
       [](MacroItem& m) {
         std::vector<MacroAction> steps;
         for (std::uint32_t i = 0; i < 300; ++i) steps.push_back(StepNo(i));
         m.SetSteps(steps);
         return true;
       },
       true, full, 0},
  };
  for (const Case& c : cases) {
    MacroItem m = Loaded(c.before, c.count);
    EXPECT_EQ(c.edit(m), c.accepted) << c.what;
    EXPECT_EQ(m.MacroActionNum, c.countAfter) << c.what;
    ExpectSlots(m, c.after, c.what);
    ExpectSlots(MacroItem(m), c.after, std::string(c.what) + " (copied)");
  }
}

TEST(MacroItemSteps, StoredDigitsAreWrittenBackAsRead) {
  struct Case {
    const char* what;
    std::u16string digits;
    Slots read;
  };
  const auto digitsAt = [](std::uint32_t slot, std::u16string_view step) {
    std::u16string d(kMacroAllStepDigits, u'0');
    d.replace(slot * kMacroStepDigits, kMacroStepDigits, step);
    return d;
  };
  const std::vector<Case> cases = {
      {"all zero", DigitsOf({}), {}},
      {"slot 249 only", DigitsOf(Filled(249, 250)), Filled(249, 250)},
      {"one slot in the middle", DigitsOf(Filled(120, 121)), Filled(120, 121)},
      {"every slot", DigitsOf(Filled(0, kSlots)), Filled(0, kSlots)},
      // Pairs that are not hexadecimal read as the standard conversion reads them: zero
      // here, so nothing of slot 249 is kept, and it is written as zero digits as before.
      {"odd digits reading as zero at the end", digitsAt(249, u"zz0x--G4"), {}},
      {"odd digits reading as a step", digitsAt(3, u" 1000000"), {{3, MacroAction{{1, 0, 0, 0}}}}},
  };
  for (const Case& c : cases) {
    MacroItem m = Loaded(Filled(0, kSlots), 0);  // reading replaces every slot held before
    ASSERT_TRUE(m.ReadStepDigits(c.digits)) << c.what;
    ExpectSlots(m, c.read, c.what);
  }
  MacroItem m = Loaded(Filled(0, 4), 4);
  EXPECT_FALSE(m.ReadStepDigits(DigitsOf({}).substr(1))) << "a length other than 2000 changes nothing";
  EXPECT_FALSE(m.ReadStepDigits(DigitsOf({}) + u"0"));
  ExpectSlots(m, Filled(0, 4), "after refused digits");
}

}  // namespace
}  // namespace corvane
