#pragma once
// Placeholder: the macro library is being written (owner: macro helper).
namespace corvane {
struct MacroLibrary {};
}  // namespace corvane
