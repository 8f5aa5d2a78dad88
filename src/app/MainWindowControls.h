#pragma once
// One row of the main window's layout tables and the factory that turns it into a skinned
// control with its pictures: what kind of control, where (design pixels), how many in a
// row, which caption and which skin files.
#include "skin/DrawTextW.h"
#include "skin/SkinTypes.h"

namespace corvane {

class CDlgBase;
struct AppContext;
struct GuiState;

enum class ControlKind {
  Label,         // CStaticText, grey, one line
  Value,         // CStaticText, white, right-aligned, set from the profile
  PollingLabel,  // CStaticText naming polling rate param + n
  Picture,       // CStaticImage
  Track,         // CStaticImage of a slider's bar, under its slider
  Button,        // CImageButton
  Link,          // CLinkButton
  CheckBox,      // CCheckButton drawn as a small box
  Header,        // CCheckButton drawn as a section header
  Radio,         // CRadioButton
  ImageRadio,    // CRadioButton with a polling-rate picture
  DpiRadio,      // CDPIRadioButton
  Combo,         // CComboButton, notifying message param
  Slider,        // CSliderControl with param stops
  VSlider,       // CVerticalSliderControl over the sensor's DPI steps
  Swatch,        // CColorSelectButton
  SwatchCheck,   // CColorSelectCheckButton
  Tab,           // CTabControl of profile slot n
  Battery,       // CBattery
  Power,         // CPowerManageButton
};

struct ControlSpec {
  unsigned id;
  ControlKind kind;
  CRect rect;
  // count controls with ids id, id + 1 ..., each dx, dy design pixels after the previous.
  int count = 1;
  int dx = 0;
  int dy = 0;
  int text = -1;  // language entry of the caption
  const char16_t* nr = nullptr;
  const char16_t* ov = nullptr;
  unsigned format = DT_LEFT;
  int margin = 0;  // caption margin, design pixels
  int param = 0;
  COLORREF colour = kTextGrey;
  bool visible = true;
  bool shown = true;
};

class ControlFactory {
 public:
  ControlFactory(CDlgBase& dlg, AppContext& app, GuiState& gui, const CRect& client)
      : dlg_(dlg), app_(app), gui_(gui), client_(client) {}
  // Creates the row's controls into group, the first one at rect (design pixels).
  void Create(int group, const ControlSpec& spec, const CRect& rect) const;

 private:
  CDlgBase& dlg_;
  AppContext& app_;
  GuiState& gui_;
  CRect client_;
};

}  // namespace corvane
