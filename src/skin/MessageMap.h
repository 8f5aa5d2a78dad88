#pragma once
// A dialog's message map: one entry per control id (or message number) naming the
// handler that receives (wParam, lParam) and answers 0.
#include <span>

#include "skin/SkinTypes.h"

namespace corvane {

template <class Dlg>
struct MessageEntry {
  unsigned msg;
  LRESULT (Dlg::*handler)(WPARAM wParam, LPARAM lParam);
};

// Runs the entry for msg; false when the map has none.
template <class Dlg>
bool DispatchMessageMap(Dlg* dlg, std::span<const MessageEntry<Dlg>> map, unsigned msg, WPARAM wParam,
                        LPARAM lParam, LRESULT& result) {
  for (const auto& e : map) {
    if (e.msg == msg) {
      result = (dlg->*e.handler)(wParam, lParam);
      return true;
    }
  }
  return false;
}

}  // namespace corvane
