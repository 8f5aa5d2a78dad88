#include "skin/CTabControl.h"

#include <QPainter>

#include "skin/GuiState.h"
#include "skin/SkinFiles.h"

namespace corvane {

namespace {
struct TabPage {
  unsigned id;
  int page;
};
constexpr TabPage kProfileTabs[] = {{2049, 0}, {2050, 1}, {2051, 2}, {2052, 3}, {2053, 4}};
constexpr TabPage kPageTabs[] = {{3001, 0}, {3002, 1}, {3003, 2}, {3004, 3}, {3007, 7}, {3008, 8}, {3009, 9}};
}  // namespace

std::optional<int> ProfileTabPage(unsigned id) {
  for (const auto& t : kProfileTabs)
    if (t.id == id) return t.page;
  return std::nullopt;
}

std::optional<int> PageTabPage(unsigned id) {
  for (const auto& t : kPageTabs)
    if (t.id == id) return t.page;
  return std::nullopt;
}

CTabControl::CTabControl(ControlHost* parent, unsigned id, CRect rect, std::u16string text, unsigned textFormat,
                         bool visible, bool shown, bool disabled)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled), format_(textFormat) {}

bool CTabControl::LoadStripImage(std::u16string_view n) { return strip_.Load(SkinFilePath(Gui(), n)); }
bool CTabControl::LoadNormalImage(std::u16string_view n) { return images_[0].Load(SkinFilePath(Gui(), n)); }
bool CTabControl::LoadHoverImage(std::u16string_view n) { return images_[1].Load(SkinFilePath(Gui(), n)); }
bool CTabControl::LoadSelectedImage(std::u16string_view n) { return images_[2].Load(SkinFilePath(Gui(), n)); }
bool CTabControl::LoadSelectedHoverImage(std::u16string_view n) { return images_[3].Load(SkinFilePath(Gui(), n)); }

int CTabControl::Frame() const {
  if (const auto page = PageTabPage(id_); page && *page == Gui().PageTabIndex) return 2;
  if (const auto page = ProfileTabPage(id_); page && *page == Gui().ProfileTabIndex) return state_ != 0 ? 3 : 2;
  return state_;
}

void CTabControl::Draw(QPainter& dc, CRect) {
  const int frame = Frame();
  if (strip_.HasSlot()) {
    strip_.DrawFrame(dc, rect_.ToQRectF(), frame, 4);
  } else {
    // Without a picture for selected-and-hovered, the selected one stands in.
    const SkinImage& img = frame == 3 && !images_[3].HasSlot() ? images_[2] : images_[frame];
    img.Draw(dc, rect_.ToQRectF());
  }
  DrawCaption(dc, QString::fromStdU16String(text_), kTextGrey, format_, marginLeft_, marginRight_);
}

bool CTabControl::OnMouseMove(unsigned, int x, int y) { return ButtonMouseMove(x, y); }
bool CTabControl::OnLButtonDown(unsigned, int x, int y) { return ButtonLButtonDown(x, y); }

bool CTabControl::OnLButtonUp(unsigned, int x, int y) {
  return ButtonLButtonUp(x, y, [this] {
    if (const auto p = ProfileTabPage(id_)) Gui().ProfileTabIndex = *p;
    else if (const auto q = PageTabPage(id_)) Gui().PageTabIndex = *q;
  });
}

bool CTabControl::OnRButtonUp(unsigned, int x, int y) {
  if (disabled_ || !rect_.Contains(x, y)) return false;
  SendTo(id_, kNotifyRightUp, id_);
  return false;
}

void CTabControl::ReleaseImages() {
  strip_.Release();
  for (auto& i : images_) i.Release();
}

}  // namespace corvane
