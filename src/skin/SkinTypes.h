#pragma once
// The vocabulary shared by the skinned dialogs, controls and popups: rectangles with the
// half-open edges of the window system (right and bottom excluded), COLORREF colours
// (0x00BBGGRR), message parameters and the notification codes controls send.
#include <cstdint>

#include <QColor>
#include <QRect>
#include <QRectF>

namespace corvane {

using COLORREF = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
inline QColor ColorOf(COLORREF c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline COLORREF ColorRefOf(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

// Caption colours of every button-like control and popup.
constexpr COLORREF kTextGrey = 0x00B4B4B4;
constexpr COLORREF kTextWhite = 0x00FFFFFF;
constexpr COLORREF kTextYellow = 0x0000FFFF;
constexpr COLORREF kAccent = 0x00DEA035;  // RGB(0x35, 0xA0, 0xDE)

struct CRect {
  int left = 0, top = 0, right = 0, bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  // PtInRect: the left and top edges belong to the rectangle, right and bottom do not.
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  CRect Intersected(const CRect& o) const {
    CRect r{left > o.left ? left : o.left, top > o.top ? top : o.top,
            right < o.right ? right : o.right, bottom < o.bottom ? bottom : o.bottom};
    return r.IsEmpty() ? CRect{} : r;
  }
  CRect Inset(int dl, int dt, int dr, int db) const { return {left + dl, top + dt, right - dr, bottom - db}; }
  QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }
  QRectF ToQRectF() const { return QRectF(left, top, right - left, bottom - top); }
  static CRect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
  bool operator==(const CRect&) const = default;
};

// The "no rectangle" marker of the dialog's pressed rectangle.
constexpr CRect kNoRect{-1, -1, -1, -1};

// Notification codes (lParam of a control message).
enum NotifyCode : LPARAM {
  kNotifyPress = 1,
  kNotifyClick = 2,
  kNotifyDrag = 3,
  kNotifyEnter = 4,
  kNotifyLeave = 5,
  kNotifyDoubleClick = 10,
  kNotifyRightUp = 11,
  kNotifyHoverReport = 12,
};

// Mouse key flags passed with every mouse operation.
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;
constexpr unsigned MK_MBUTTON = 0x0010;

// Ids every secondary dialog uses the same way.
constexpr unsigned kIdClose = 2004;
constexpr unsigned kIdOk = 2010;
constexpr unsigned kIdCancel = 2011;
constexpr unsigned kIdTitle = 2012;
constexpr unsigned kIdEdit = 2017;

// Dialog results.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

}  // namespace corvane
