#pragma once
// The colour palette: the user clicks a colour on the palette picture and confirms; the
// colour goes straight into the profile being edited, into a lighting colour slot or a
// DPI level's indication colour.
#include <QImage>
#include <array>
#include <cstdint>

#include "dialogs/CSecondaryDlg.h"

namespace corvane {

struct DeviceDirtyFlags;
struct ProfileRecord;

// The lighting effects whose colour slots the palette sets, whichever effect it was
// opened from: the breathing and the static effect. The main window shows colour slots
// in these effects only, so a colour picked there is the colour the slot then shows.
inline constexpr std::array<int, 2> kPaletteLightingEffects{3, 6};

class CColorPaletteDlg : public CSecondaryDlg {
  Q_OBJECT

 public:
  enum class Target { LightingSlot = 0, DpiLevel = 1 };
  static constexpr int kDesignWidth = 500;
  static constexpr int kDesignHeight = 291;
  static constexpr int kPaletteResource = 287;
  // The dark colour between the swatches of the picture; clicking it picks nothing.
  static constexpr COLORREF kGapColour = 0x000F0F0F;
  static constexpr unsigned kIdRed = 2011;
  static constexpr unsigned kIdGreen = 2012;
  static constexpr unsigned kIdBlue = 2013;
  static constexpr unsigned kIdComponentCaption = 2014;  // "R", "G" and "B" beside them

  // group: the lighting effect (LightingSlot) or the DPI level (DpiLevel, 8 or more is
  // level 0); slot: the colour slot (LightingSlot). Confirming stores into record and
  // marks the performance settings for the next upload in dirty.
  CColorPaletteDlg(GuiState& gui, QWidget* parent, ProfileRecord& record, DeviceDirtyFlags& dirty, Target target,
                   int group, int slot);

  void InitUI(const CRect& client) override;
  void DrawDialog(QPainter& dc, const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;

  COLORREF Colour() const { return colour_; }
  // A press at a client point: inside a palette area and not on a gap, the colour under
  // it becomes the choice. True when it did.
  bool PickAt(int x, int y);
  // The OK action: stores the colour and ends with IDOK.
  void RunOk();

 protected:
  bool PreTranslateKey(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void ShowComponents();
  int Level() const;

  ProfileRecord& record_;
  DeviceDirtyFlags& dirty_;
  Target target_;
  int group_, slot_;
  COLORREF colour_ = 0;
  // The palette picture as drawn, at the window's size; picking reads its pixels.
  QImage shown_;
};

}  // namespace corvane
