#include "skin/CPowerManageButton.h"

#include <QPainter>

#include "skin/SkinFiles.h"
#include "skin/SkinScaling.h"

namespace corvane {

namespace {

struct Edge {
  int x1, y1, x2, y2;
};
// The outer edge of each sector in design pixels from the dial's top-left corner; every
// sector's third corner is the apex.
constexpr std::array<Edge, 8> kSectorEdges{{
    {3, 71, 7, 51}, {7, 51, 17, 32}, {17, 32, 40, 13}, {40, 13, 70, 5},
    {70, 5, 100, 14}, {100, 14, 121, 31}, {121, 31, 131, 51}, {131, 51, 134, 71},
}};
constexpr int kApexX = 70, kApexY = 71;

}  // namespace

CPowerManageButton::CPowerManageButton(ControlHost* parent, unsigned, CRect rect, std::u16string text, int value,
                                       bool visible, bool shown, bool disabled)
    : CControlBase(parent, kPowerManageId, rect, std::move(text), visible, shown, disabled), value_(value) {
  const float s = Scale();
  auto pt = [&](int x, int y) { return QPoint(Scaled(s, x) + rect_.left, Scaled(s, y) + rect_.top); };
  for (std::size_t i = 0; i < kSectorEdges.size(); ++i) {
    const Edge& e = kSectorEdges[i];
    sectors_[i] = QPolygon({pt(e.x1, e.y1), pt(e.x2, e.y2), pt(kApexX, kApexY)});
  }
}

bool CPowerManageButton::LoadLevelImage(int level, std::u16string_view n) {
  if (level < 1 || level > 8) return false;
  return levels_[static_cast<std::size_t>(level - 1)].Load(SkinFilePath(Gui(), n));
}

int CPowerManageButton::SectorAt(int x, int y) const {
  for (std::size_t i = 0; i < sectors_.size(); ++i)
    if (sectors_[i].containsPoint(QPoint(x, y), Qt::OddEvenFill)) return static_cast<int>(i) + 1;
  return 0;
}

void CPowerManageButton::Draw(QPainter& dc, CRect) {
  if (level_ >= 1 && level_ <= 8) levels_[static_cast<std::size_t>(level_ - 1)].Draw(dc, rect_.ToQRectF());
}

bool CPowerManageButton::OnMouseMove(unsigned, int x, int y) { return ButtonMouseMove(x, y); }

bool CPowerManageButton::OnLButtonDown(unsigned, int x, int y) { return ButtonLButtonDown(x, y); }

bool CPowerManageButton::OnLButtonUp(unsigned, int x, int y) {
  if (disabled_) return false;
  const int old = state_;
  if (!rect_.Contains(x, y)) {
    state_ = 0;
    return old != state_;
  }
  const int sector = SectorAt(x, y);
  if (sector == 0) {
    // A release between the sectors chooses nothing, but the dial must not stay pressed.
    state_ = 1;
    return old != state_;
  }
  level_ = sector;
  state_ = 1;
  Notify(kNotifyClick);
  return true;
}

void CPowerManageButton::ReleaseImages() {
  for (auto& img : levels_) img.Release();
}

}  // namespace corvane
