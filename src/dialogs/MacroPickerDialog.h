#pragma once
// The main window's way to the macro picker: runs it modally over parent and answers the
// function for the button that asked (nothing when the picker was closed without a
// choice). The function's macro lives in app.Macros; AssignButtonFunction copies it.
#include <optional>

#include "settings/ButtonAssignment.h"

class QWidget;

namespace corvane {

struct AppContext;
struct GuiState;

std::optional<ButtonFunction> RunMacroPicker(QWidget* parent, GuiState& gui, AppContext& app);

}  // namespace corvane
