#pragma once
// The power-saving dial (id always 3500): a half circle of eight sectors, one per level
// 1 to 8; a click inside a sector chooses its level, a click between them does nothing.
#include <array>

#include <QPolygon>

#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

constexpr unsigned kPowerManageId = 3500;

class CPowerManageButton : public CControlBase {
 public:
  CPowerManageButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text, int value,
                     bool visible = true, bool shown = true, bool disabled = false);

  // The picture of level 1 to 8.
  bool LoadLevelImage(int level, std::u16string_view skinName);
  void SetLevel(int level) { level_ = level; }
  int Level() const { return level_; }
  int Value() const { return value_; }
  // The sector (1 to 8) under a point, 0 for none.
  int SectorAt(int x, int y) const;

  void Draw(QPainter& dc, CRect clip) override;
  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 private:
  int value_;
  int level_ = 6;
  std::array<SkinImage, 8> levels_;
  std::array<QPolygon, 8> sectors_;
};

}  // namespace corvane
