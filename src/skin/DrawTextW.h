#pragma once
// Text drawn the way the window system's DrawTextW lays it out, for the format flags the
// skinned windows use.
#include <QString>

#include "skin/SkinTypes.h"

class QPainter;

namespace corvane {

constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
// What every caption adds to its own format.
constexpr unsigned kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS;  // 0x40024

// Draws text in rect with the painter's font and pen, transparent background.
// Single-line text that does not fit is shortened with an ellipsis when an ellipsis flag
// is given; word-wrapped text is centred vertically as a block when DT_VCENTER is set.
void DrawTextW(QPainter& p, const QString& text, const CRect& rect, unsigned format);

}  // namespace corvane
