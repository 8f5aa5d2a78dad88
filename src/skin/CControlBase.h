#pragma once
// The windowless control: a rectangle of its window's client area that draws itself when
// the window paints, keeps its hover and pressed state from the mouse operations the
// window routes to it, and reports by sending the window a message numbered by its id.
#include <string>

#include <QFont>
#include <QString>

#include "skin/ControlHost.h"
#include "skin/SkinTypes.h"

class QPainter;

namespace corvane {

class CControlBase {
 public:
  CControlBase(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible, bool shown,
               bool disabled);
  virtual ~CControlBase() = default;
  CControlBase(const CControlBase&) = delete;
  CControlBase& operator=(const CControlBase&) = delete;

  virtual void Draw(QPainter& dc, CRect clip) = 0;
  // Drops a pending press; the window calls it when a press must not end in a click.
  virtual int CancelPress(int) { return 0; }
  virtual void SetRect(int left, int top, int right, int bottom) { rect_ = {left, top, right, bottom}; }
  virtual CRect GetRect() const { return rect_; }
  virtual void SetText(const std::u16string& text);
  virtual std::u16string GetText() const { return text_; }
  virtual void SetVisible(bool v) { visible_ = v; }
  virtual void SetShow(bool v) { shown_ = v; }
  // The mouse operations answer true when the control's look changed.
  virtual bool OnMouseMove(unsigned, int, int) { return false; }
  virtual bool OnLButtonDown(unsigned, int, int) { return false; }
  virtual bool OnLButtonUp(unsigned, int, int) { return false; }
  virtual bool OnRButtonUp(unsigned, int, int) { return false; }
  virtual bool OnLButtonDblClk(unsigned, int, int) { return false; }
  // Frees every image the control holds; drawn afterwards it shows no pictures.
  virtual void ReleaseImages() {}

  // Recreates the control's font with another height and face.
  void SetFont(int height, const std::u16string& face);
  const QFont& Font() const { return font_; }

  unsigned Id() const { return id_; }
  bool Visible() const { return visible_; }
  bool Shown() const { return shown_; }
  bool Disabled() const { return disabled_; }
  void SetDisabled(bool d) { disabled_ = d; }
  bool Interactive() const { return interactive_; }
  void SetInteractive(bool i) { interactive_ = i; }
  // 0 normal, 1 hover, 2 pressed.
  int State() const { return state_; }
  void SetState(int s) { state_ = s; }
  ControlHost* Parent() const { return parent_; }

 protected:
  GuiState& Gui() const { return parent_->Gui(); }
  float Scale() const;
  LRESULT Notify(LPARAM code, WPARAM wParam = 0) { return SendTo(id_, code, wParam); }
  LRESULT SendTo(unsigned msg, LPARAM code, WPARAM wParam = 0);
  void Invalidate() const;

  // The mouse behaviour shared by the button-like controls.
  bool ButtonMouseMove(int x, int y);
  bool ButtonLButtonDown(int x, int y);
  // On a release inside: state 1, clickAction (if any), then code 2 with clickWParam.
  template <class F>
  bool ButtonLButtonUp(int x, int y, F&& clickAction, WPARAM clickWParam = 0) {
    if (disabled_) return false;
    const int old = state_;
    if (rect_.Contains(x, y)) {
      state_ = 1;
      clickAction();
      Notify(kNotifyClick, clickWParam);
    } else {
      state_ = 0;
    }
    return old != state_;
  }

  // The caption in colour, narrowed by the margins, format | DT_SINGLELINE | DT_VCENTER |
  // DT_WORD_ELLIPSIS.
  void DrawCaption(QPainter& p, const QString& text, COLORREF colour, unsigned format, int marginLeft = 0,
                   int marginRight = 0) const;

  ControlHost* parent_;
  unsigned id_;
  CRect rect_;
  bool visible_;
  bool shown_;
  bool disabled_;
  bool interactive_ = true;
  std::u16string text_;
  QFont font_;
  int state_ = 0;
};

}  // namespace corvane
