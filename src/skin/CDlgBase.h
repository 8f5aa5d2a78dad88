#pragma once
// The skinned window: a frameless dialog that is a canvas for windowless controls. It
// owns the controls in ten groups, paints the whole client area in one pass (background
// by the dialog, then the controls), routes the mouse to the control under it (hover,
// press, capture, release, double and right clicks), lets any point that is not a
// control drag the window, and receives the controls' reports as messages numbered by
// the control id.
#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include <QDialog>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QPointer>

#include "skin/CControlBase.h"
#include "skin/ControlHost.h"
#include "skin/SkinPicture.h"
#include "skin/SkinTypes.h"

class QKeyEvent;
class QTimer;

namespace corvane {

class CWndPopup;

class CDlgBase : public QDialog, public ControlHost {
  Q_OBJECT

 public:
  static constexpr int kGroupCount = 10;
  static constexpr int kPopupSlotCount = 11;
  static constexpr COLORREF kDefaultBackgroundColor = 0x00EFE2BA;

  // width and height in device pixels (the main window's default is twice 1127 x 740).
  explicit CDlgBase(GuiState& gui, QWidget* parent = nullptr, int width = 2254, int height = 1480);
  ~CDlgBase() override;

  // ControlHost.
  GuiState& Gui() override { return gui_; }
  const GuiState& Gui() const { return gui_; }
  LRESULT SendMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;
  void InvalidateRect(const CRect& rect) override;

  // Paints the background and then calls DrawControls with the same arguments.
  virtual void DrawDialog(QPainter& dc, const CRect& client) = 0;
  // Paints every visible, shown control whose rectangle meets the clip rectangle.
  virtual void DrawControls(QPainter& dc, const CRect& clip);
  // Creates the controls, relative to the client rectangle's top-left corner.
  virtual void InitUI(const CRect& client) = 0;
  // Icon, title, dialog font, size, controls, centring. Runs once, before first shown.
  virtual bool OnInitDialog();
  void EnsureInitialized();

  // Runs the dialog modally: IDOK or IDCANCEL.
  int DoModal();
  void OnOK() { EndDialog(IDOK); }
  void OnCancel() { EndDialog(IDCANCEL); }
  void EndDialog(int result);
  int Result() const { return result_; }

  // The dialog's message map; answers 0 for messages it does not handle.
  virtual LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam);

  template <class T>
  T* AddControl(int group, std::unique_ptr<T> control) {
    T* raw = control.get();
    groups_[static_cast<std::size_t>(group)].push_back(std::move(control));
    return raw;
  }
  std::vector<std::unique_ptr<CControlBase>>& Group(int g) { return groups_[static_cast<std::size_t>(g)]; }
  CControlBase* FindControl(unsigned id) const;
  void ReleaseControlImages();

  // The background bitmap; its average colour becomes BackgroundColor. The file is read
  // and its size taken now; it is decoded on the skin decode thread and taken in where it
  // is first needed (the first paint, the average colour). True when the file holds a
  // picture; one whose pixels then do not decode leaves the background as it was.
  bool LoadBackground(const std::filesystem::path& file);
  void SetBackground(QImage bitmap);
  COLORREF BackgroundColor();
  void SetBackgroundColor(COLORREF c);
  QSize BackgroundSize() const { return backgroundSize_; }
  // The usual background of a secondary dialog: fill, background copy, then the frame
  // picture stretched from its design size to design size x SkinScale.
  void DrawFrameBackground(QPainter& dc, const CRect& client, const QImage& frame, int designWidth,
                           int designHeight);

  // Popup slots: the popup open for each of eleven kinds of the owner.
  CWndPopup* PopupSlot(int slot) const;
  void SetPopupSlot(int slot, CWndPopup* popup);
  void ClosePopup(int slot);

  // Timers by id; setting a running id restarts it.
  void SetTimer(int id, int milliseconds);
  void KillTimer(int id);
  bool TimerActive(int id) const;
  virtual void OnTimer(int) {}

  // Registers the window in the table of open secondary windows.
  void RegisterInOpenPopupTable();

  // The routing state, for owners and checks.
  CControlBase* HoverControl() const { return hover_; }
  CControlBase* PressedControl() const { return pressed_; }
  CRect PressedRect() const { return pressedRect_; }
  QPoint LastMousePosition() const { return lastMouse_; }
  bool ButtonHeld() const { return buttonHeld_; }

  // The mouse routing, one operation per window message.
  void OnMouseMoveMsg(unsigned flags, int x, int y);
  void OnMouseLeaveMsg();
  void OnMouseHoverMsg();
  void OnLButtonDownMsg(unsigned flags, int x, int y);
  void OnLButtonUpMsg(unsigned flags, int x, int y);
  void OnLButtonDblClkMsg(unsigned flags, int x, int y);
  void OnRButtonUpMsg(unsigned flags, int x, int y);

 protected:
  // Keys before the focused widget sees them; true consumes the key.
  virtual bool PreTranslateKey(QKeyEvent* event);
  void InstallKeyFilter(QWidget* widget);
  CRect ClientRect() const { return {0, 0, width(), height()}; }
  int DesignWidthPx() const { return width_; }
  int DesignHeightPx() const { return height_; }

  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int r) override;

 private:
  static unsigned FlagsOf(const QMouseEvent* event);
  void TakeLoadedBackground();
  bool IsFullRedrawId(unsigned id) const;
  void Unregister();

  GuiState& gui_;
  int width_, height_;
  COLORREF backgroundColor_ = kDefaultBackgroundColor;
  QSize backgroundSize_{100, 100};
  // An image, not a pixmap: a pixmap would widen three-byte pixels to four.
  QImage backgroundCopy_;
  // A background file being decoded, and the size to return to if it comes to nothing.
  std::shared_ptr<SkinPicture> loadedBackground_;
  QSize sizeBeforeLoad_;
  bool tracking_ = false;
  bool buttonHeld_ = false;
  CRect pressedRect_ = kNoRect;
  bool captured_ = false;
  QPoint lastMouse_{-1, -1};
  std::array<std::vector<std::unique_ptr<CControlBase>>, kGroupCount> groups_;
  CControlBase* hover_ = nullptr;
  CControlBase* pressed_ = nullptr;
  std::array<QPointer<CWndPopup>, kPopupSlotCount> popupSlots_;
  std::map<int, QTimer*> timers_;
  bool initialized_ = false;
  bool registered_ = false;
  int result_ = 0;
  // Dragging the window by its background when the window system cannot move it.
  bool movingWindow_ = false;
  QPoint moveOffset_;
  CRect paintClip_;
};

}  // namespace corvane
