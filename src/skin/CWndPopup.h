#pragma once
// A drop-down list or context menu: a small top-level window of its own, next to the
// control that asked for it, with a column of items. It tracks the hot item under the
// mouse and reports a choice to its parent with a PopupSelection record; it tells the
// parent when it loses activation (the dismissal message of its kind) and when it is
// closed (message 1025), and deletes itself once closed.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include "skin/SkinImage.h"
#include "skin/SkinTypes.h"

namespace corvane {

struct GuiState;
class CDlgBase;

struct PopupSelection {
  std::u16string text;
  std::array<std::uint8_t, 3> value{};
};

struct PopupItem {
  int separator = 0;
  int code = 0;
  SkinImage icon;
  std::u16string text;
  CRect rect;
  int submenu = 0;
};

// Sent to the parent when the popup window is closed.
constexpr unsigned kPopupClosedMessage = 1025;

class CWndPopup : public QWidget {
  Q_OBJECT

 public:
  // kind decides the dismissal message; designWidth and rowHeight the layout (W and H).
  CWndPopup(GuiState& gui, int kind, int designWidth, int rowHeight);
  ~CWndPopup() override;

  // Creates the window owned by parent at the top-left of screenRect; the items are laid
  // out and the window sized to them. Answers true on failure.
  bool Create(CDlgBase* parent, const QRect& screenRect, unsigned selectionMessage, WPARAM ownerId);
  // The owner's close request (a posted WM_CLOSE).
  void PostClose();

  // The message of a kind's dismissal, 0 for the kinds that send none.
  static unsigned DismissalMessage(int kind);

  int Kind() const { return kind_; }
  int HotItem() const { return hot_; }
  const std::vector<PopupItem>& Items() const { return items_; }
  const PopupSelection& Selection() const { return selection_; }
  unsigned SelectionMessage() const { return selectionMessage_; }
  WPARAM OwnerId() const { return ownerId_; }
  QPoint Position() const { return position_; }
  // The picture the window shows, as last rendered.
  const QImage& Canvas() const { return canvas_; }
  // Renders the items into the window's picture.
  void Render();

  virtual void DrawItems(QPainter& dc, const CRect& client) = 0;
  virtual void DrawItemIcons(QPainter& dc, const CRect& client);
  virtual void InitItems() = 0;
  // The mouse operations answer true when the popup must be repainted.
  virtual bool OnItemHover(int x, int y);
  virtual bool OnItemDown(int x, int y);
  virtual bool OnItemUp(int x, int y) { (void)x, (void)y; return false; }
  virtual bool OnItemRightUp(int x, int y) { (void)x, (void)y; return false; }

  // Deactivation: the dismissal message of the popup's kind, once per deactivation.
  void OnDeactivate();

 protected:
  void AddItem(int code, std::u16string text, int submenu = 0);
  void AddSeparator();
  // Rows that span the whole width (the profile selector's ordinary rows).
  void SetFullWidthRows(bool f) { fullWidthRows_ = f; }
  // The choice: the selection message with the owner id and the selection record.
  void SendChoice();
  LRESULT SendToParent(unsigned msg, WPARAM wParam, LPARAM lParam);
  // Common release handling: no hot item -> false; outside it -> clear, true; inside ->
  // choose(code, index), false.
  template <class F>
  bool ReleaseOnHot(int x, int y, F&& choose) {
    if (hot_ < 0) return false;
    if (!items_[static_cast<std::size_t>(hot_)].rect.Contains(x, y)) {
      hot_ = -1;
      return true;
    }
    choose(items_[static_cast<std::size_t>(hot_)].code, hot_);
    return false;
  }
  void DrawCaption(QPainter& dc, const PopupItem& item, COLORREF colour, unsigned format) const;
  GuiState& Gui() const { return gui_; }
  float Scale() const;
  const QFont& PopupFont() const { return font_; }

  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

  GuiState& gui_;
  std::vector<PopupItem> items_;
  int hot_ = -1;
  PopupSelection selection_;

 private:
  void Layout();
  void HoverAtCursor();

  int kind_;
  int designWidth_, rowHeight_;
  bool fullWidthRows_ = false;
  QFont font_;
  QPoint position_;
  unsigned selectionMessage_ = 0;
  WPARAM ownerId_ = 0;
  QPointer<CDlgBase> parent_;
  QImage canvas_;
  bool tracking_ = false;
  bool buttonHeld_ = false;
  bool closing_ = false;
};

}  // namespace corvane
