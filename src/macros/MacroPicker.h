#pragma once
// The macro picker's result as a button function.
#include "macros/MacroLibrary.h"
#include "settings/ButtonAssignment.h"

namespace corvane {

// A macro node gives its macro; a folder or nothing gives the disabled function.
inline ButtonFunction MacroPickerChoice(const LanguageTable& language, const MacroNode* picked) {
  if (picked && picked->IsMacro()) return MacroChoice(language, picked->Item.get(), picked->MacroItemName);
  return MacroChoice(language, nullptr, {});
}

}  // namespace corvane
