#pragma once
// A plain skinned window that holds sample controls for the gallery, with small labels
// naming each state.
#include <vector>

#include "skin/CDlgBase.h"

namespace corvane {

class GalleryCanvas : public CDlgBase {
  Q_OBJECT

 public:
  GalleryCanvas(GuiState& gui, int designWidth, int designHeight);

  void InitUI(const CRect&) override {}
  void DrawDialog(QPainter& dc, const CRect& client) override;

  // A rectangle in design pixels.
  CRect Design(int left, int top, int right, int bottom) const;
  // A label under or beside a sample, in design pixels.
  void AddLabel(int left, int top, int right, int bottom, const QString& text);
  // Pictures drawn behind the controls (tracks, bars).
  void AddBackdrop(const CRect& rect, std::u16string_view skinName);
  QImage Render();

 private:
  struct Label {
    CRect rect;
    QString text;
  };
  struct Backdrop {
    CRect rect;
    QImage image;
  };
  std::vector<Label> labels_;
  std::vector<Backdrop> backdrops_;
};

}  // namespace corvane
