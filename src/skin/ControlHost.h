#pragma once
// What a windowless control needs of the window it lives in: the program's settings, a
// way to report to the window (a message whose number is usually the control's id) and
// a way to have part of the window repainted.
#include "skin/SkinTypes.h"

namespace corvane {

struct AppContext;

class ControlHost {
 public:
  virtual ~ControlHost() = default;
  virtual AppContext& Context() = 0;
  // Delivered synchronously; the handler may change the window before it returns.
  virtual LRESULT SendMessage(unsigned msg, WPARAM wParam, LPARAM lParam) = 0;
  virtual void InvalidateRect(const CRect& rect) = 0;
};

}  // namespace corvane
