#include "dialogs/CColorPaletteDlg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "base/TextUtil.h"
#include "lang/LanguageEntries.h"
#include "settings/ProfileTable.h"
#include "settings/SettingsCommands.h"
#include "skin/CStaticText.h"
#include "skin/GuiState.h"
#include "skin/SkinFiles.h"
#include "skin/SkinScaling.h"

namespace corvane {

namespace {

// The two palette areas of the picture and the swatch of the choice, design pixels.
constexpr CRect kPaletteAreas[] = {{18, 26, 222, 270}, {244, 26, 473, 190}};
constexpr CRect kSwatch{245, 212, 303, 270};

COLORREF ColorRefOf(QRgb rgb) {
  return static_cast<COLORREF>(qRed(rgb)) | static_cast<COLORREF>(qGreen(rgb)) << 8 |
         static_cast<COLORREF>(qBlue(rgb)) << 16;
}

}  // namespace

CColorPaletteDlg::CColorPaletteDlg(GuiState& gui, QWidget* parent, ProfileRecord& record, DeviceDirtyFlags& dirty,
                                   Target target, int group, int slot)
    : CSecondaryDlg(gui, parent, kDesignWidth, kDesignHeight, u""),
      record_(record),
      dirty_(dirty),
      target_(target),
      group_(group),
      slot_(slot) {
  if (target_ == Target::DpiLevel) {
    colour_ = record_.DPILevelIndication[static_cast<std::size_t>(Level())];
  } else if (group_ >= 0 && group_ < kLightingModeCount && slot_ >= 0 && slot_ < kLightingSlotCount) {
    colour_ = record_.Lighting1FixedColor[static_cast<std::size_t>(group_)][static_cast<std::size_t>(slot_)];
  }
  colour_ &= 0xFFFFFF;
}

int CColorPaletteDlg::Level() const { return group_ >= 0 && group_ < kDpiLevelCount ? group_ : 0; }

void CColorPaletteDlg::InitUI(const CRect& client) {
  const QImage palette(ResourceImagePath(kPaletteResource));
  SetBackground(palette);
  // Nearest pixels: what is picked is exactly a colour of the picture, and the gap colour
  // stays the gap colour at every scale.
  if (!palette.isNull())
    shown_ = palette
                 .scaled(client.right - client.left, client.bottom - client.top, Qt::IgnoreAspectRatio,
                         Qt::FastTransformation)
                 .convertToFormat(QImage::Format_RGB32);
  AddCloseButton(480, 6, 495, 21);
  AddTextButton(kIdOk, 391, 234, 460, 254, kTextOk);
  constexpr const char16_t* kComponentNames[] = {u"R", u"G", u"B"};
  for (unsigned id : {kIdRed, kIdGreen, kIdBlue}) {
    const int row = static_cast<int>(id - kIdRed);
    const int top = 212 + row * 23;
    AddText(kIdComponentCaption, 306, top, 318, top + 18, kComponentNames[row], kTextGrey, DT_CENTER | DT_SINGLELINE)
        ->SetFont(Scaled(Gui().SkinScale, 13), u"Tahoma");
    AddText(id, 320, top, 373, top + 18, u"", kTextWhite, DT_LEFT | DT_SINGLELINE)
        ->SetFont(Scaled(Gui().SkinScale, 16), u"Tahoma");
  }
  ShowComponents();
}

void CColorPaletteDlg::DrawDialog(QPainter& dc, const CRect& client) {
  dc.fillRect(client.ToQRect(), ColorOf(BackgroundColor()));
  if (!shown_.isNull()) dc.drawImage(QPoint(client.left, client.top), shown_);
  const float s = Gui().SkinScale;
  dc.fillRect(ScaledRect(s, client, kSwatch.left, kSwatch.top, kSwatch.right, kSwatch.bottom).ToQRect(),
              ColorOf(colour_));
  DrawControls(dc, client);
}

void CColorPaletteDlg::ShowComponents() {
  const COLORREF parts[] = {colour_ & 0xFF, (colour_ >> 8) & 0xFF, (colour_ >> 16) & 0xFF};
  for (unsigned id : {kIdRed, kIdGreen, kIdBlue})
    if (CControlBase* text = FindControl(id)) text->SetText(FormatDecimal(static_cast<long>(parts[id - kIdRed])));
}

bool CColorPaletteDlg::PickAt(int x, int y) {
  const float s = Gui().SkinScale;
  bool inside = false;
  for (const CRect& a : kPaletteAreas)
    inside = inside || ScaledRect(s, ClientRect(), a.left, a.top, a.right, a.bottom).Contains(x, y);
  if (!inside || shown_.isNull() || !shown_.valid(x, y)) return false;
  const COLORREF picked = ColorRefOf(shown_.pixel(x, y));
  if (picked == kGapColour) return false;
  colour_ = picked;
  ShowComponents();
  update();
  return true;
}

void CColorPaletteDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    PickAt(static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
  CSecondaryDlg::mousePressEvent(event);
}

void CColorPaletteDlg::RunOk() {
  if (target_ == Target::DpiLevel) {
    SetDpiLevelColour(record_, Level(), colour_, dirty_);
  } else if (slot_ >= 0 && slot_ < kLightingSlotCount) {
    for (int effect : kPaletteLightingEffects)
      record_.Lighting1FixedColor[static_cast<std::size_t>(effect)][static_cast<std::size_t>(slot_)] = colour_;
    dirty_.PerformanceDirty = 1;
  }
  ReleaseControlImages();
  OnOK();
}

LRESULT CColorPaletteDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case kIdOk:
      if (lParam == kNotifyClick) RunOk();
      return 0;
    case kIdClose:
      return OnCloseOrCancel(wParam, lParam);
    default:
      return 0;
  }
}

bool CColorPaletteDlg::PreTranslateKey(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    RunOk();
    return true;
  }
  return e->key() == Qt::Key_Escape;
}

}  // namespace corvane
