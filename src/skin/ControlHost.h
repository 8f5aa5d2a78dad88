#pragma once
// What a windowless control needs of the window it lives in: the window's state (scale,
// fonts, skin files, shared selections, captions), a way to report to the window (a
// message whose number is usually the control's id) and a way to have part of the window
// repainted.
#include "skin/SkinTypes.h"

namespace corvane {

struct GuiState;

class ControlHost {
 public:
  virtual ~ControlHost() = default;
  virtual GuiState& Gui() = 0;
  // Delivered synchronously; the handler may change the window before it returns.
  virtual LRESULT SendMessage(unsigned msg, WPARAM wParam, LPARAM lParam) = 0;
  virtual void InvalidateRect(const CRect& rect) = 0;
};

}  // namespace corvane
