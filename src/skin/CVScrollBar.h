#pragma once
// A vertical scroll bar: arrows from the program's arrow strips (PNG 188 up, 187 down),
// a track and a thumb sized by page / range. Presses report the part hit in wParam:
// 6 up arrow, 7 down arrow, 0 thumb, 8 track above the thumb, 9 track below it.
#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

class CVScrollBar : public CControlBase {
 public:
  enum Part : WPARAM { kPartThumb = 0, kPartUp = 6, kPartDown = 7, kPartPageUp = 8, kPartPageDown = 9 };

  CVScrollBar(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible = true,
              bool shown = true, bool disabled = false);

  void SetScrollState(int position, int page, int range);
  int Position() const { return position_; }
  int Page() const { return page_; }
  int Range() const { return range_; }
  CRect UpRect() const { return up_; }
  CRect DownRect() const { return down_; }
  CRect ThumbRect() const { return thumb_; }
  int TrackTop() const { return trackTop_; }
  int TrackBottom() const { return trackBottom_; }

  void Draw(QPainter& dc, CRect clip) override;
  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 private:
  void Layout();
  int TrackLength() const { return trackBottom_ - trackTop_ + 1; }

  SkinImage upStrip_, downStrip_;
  CRect up_, down_, thumb_;
  int trackTop_ = 0, trackBottom_ = 0;
  int position_ = 0, page_ = 0, range_ = 0;
  bool hotUp_ = false, hotDown_ = false, hotThumb_ = false;
  int pressedPart_ = -1;
  bool dragging_ = false;
  int grabOffset_ = 0;
};

}  // namespace corvane
