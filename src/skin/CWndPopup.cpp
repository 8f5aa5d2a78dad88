#include "skin/CWndPopup.h"

#include <QCloseEvent>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "skin/CDlgBase.h"
#include "skin/DrawTextW.h"
#include "skin/GuiState.h"
#include "skin/SkinFonts.h"

namespace corvane {

namespace {

struct KindMessage {
  int kind;
  unsigned message;
};
constexpr KindMessage kDismissal[] = {
    {0, 1029},  {1, 1032},  {2, 1042},  {3, 1045},  {6, 1057},  {7, 1126},  {8, 1136}, {9, 1146},
    {10, 1156}, {11, 1159}, {12, 1162}, {13, 1165}, {14, 1168}, {15, 1170},
};

}  // namespace

unsigned CWndPopup::DismissalMessage(int kind) {
  for (const auto& k : kDismissal)
    if (k.kind == kind) return k.message;
  return 0;
}

CWndPopup::CWndPopup(GuiState& gui, int kind, int designWidth, int rowHeight)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      gui_(gui), kind_(kind), designWidth_(designWidth), rowHeight_(rowHeight), font_(MakeControlFont(gui.Font)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setCursor(Qt::ArrowCursor);
}

CWndPopup::~CWndPopup() = default;

float CWndPopup::Scale() const { return gui_.SkinScale; }

bool CWndPopup::Create(CDlgBase* parent, const QRect& screenRect, unsigned selectionMessage, WPARAM ownerId) {
  parent_ = parent;
  selectionMessage_ = selectionMessage;
  ownerId_ = ownerId;
  position_ = screenRect.topLeft();
  if (parent) setParent(parent, windowFlags());
  setWindowTitle(QStringLiteral("Corvane"));
  InitItems();
  Layout();
  Render();
  move(position_);
  show();
  raise();
  activateWindow();
  return false;
}

void CWndPopup::PostClose() {
  QPointer<CWndPopup> self(this);
  QMetaObject::invokeMethod(
      this, [self] { if (self) self->close(); }, Qt::QueuedConnection);
}

void CWndPopup::AddItem(int code, std::u16string text, int submenu) {
  PopupItem item;
  item.code = code;
  item.text = std::move(text);
  item.submenu = submenu;
  items_.push_back(std::move(item));
  Layout();
}

void CWndPopup::AddSeparator() {
  PopupItem item;
  item.separator = 1;
  items_.push_back(std::move(item));
  Layout();
}

void CWndPopup::Layout() {
  const double s = Scale();
  double y = s;
  const int left = fullWidthRows_ ? 0 : static_cast<int>(s);
  const int right = fullWidthRows_ ? static_cast<int>(designWidth_ * s) : static_cast<int>((designWidth_ - 1) * s);
  for (auto& item : items_) {
    if (item.separator) {
      item.rect = {static_cast<int>(s), static_cast<int>(y + 2 * s), static_cast<int>((designWidth_ - 1) * s),
                   static_cast<int>(y + 3 * s)};
      y += 4 * s;
    } else {
      item.rect = {left, static_cast<int>(y), right, static_cast<int>(y + rowHeight_ * s)};
      y += rowHeight_ * s;
    }
  }
  resize(static_cast<int>(designWidth_ * s), static_cast<int>(y + s));
}

void CWndPopup::Render() {
  canvas_ = QImage(size(), QImage::Format_RGB32);
  canvas_.fill(Qt::black);
  QPainter p(&canvas_);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  DrawItems(p, {0, 0, width(), height()});
  p.end();
  update();
}

void CWndPopup::DrawItemIcons(QPainter& dc, const CRect&) {
  for (const auto& item : items_) {
    if (item.separator || !item.icon.IsDrawable()) continue;
    const int w = item.icon.Width(), h = item.icon.Height();
    const double x = item.rect.left + (25 - w) / 2.0;
    const double y = item.rect.top + (item.rect.Height() - h) / 2.0;
    item.icon.Draw(dc, QRectF(x, y, w, h));
  }
}

void CWndPopup::DrawCaption(QPainter& dc, const PopupItem& item, COLORREF colour, unsigned format) const {
  dc.save();
  dc.setPen(ColorOf(colour));
  DrawTextW(dc, QString::fromStdU16String(item.text), item.rect.Inset(2, 0, 2, 0), format);
  dc.restore();
}

bool CWndPopup::OnItemHover(int x, int y) {
  if (hot_ >= 0 && items_[static_cast<std::size_t>(hot_)].rect.Contains(x, y)) return false;
  bool changed = hot_ >= 0;
  hot_ = -1;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (!items_[i].separator && items_[i].rect.Contains(x, y)) {
      hot_ = static_cast<int>(i);
      changed = true;
      break;
    }
  }
  return changed;
}

bool CWndPopup::OnItemDown(int x, int y) {
  if (hot_ >= 0 && !items_[static_cast<std::size_t>(hot_)].rect.Contains(x, y)) {
    hot_ = -1;
    return true;  // repaint so the highlight does not linger
  }
  return false;
}

LRESULT CWndPopup::SendToParent(unsigned msg, WPARAM wParam, LPARAM lParam) {
  if (!parent_) return 0;
  return parent_->SendMessage(msg, wParam, lParam);
}

void CWndPopup::SendChoice() {
  SendToParent(selectionMessage_, ownerId_, reinterpret_cast<LPARAM>(&selection_));
}

void CWndPopup::OnDeactivate() {
  const unsigned msg = DismissalMessage(kind_);
  if (msg == 0 || closing_) return;
  SendToParent(msg, ownerId_, kind_ == 0 ? 0 : kind_);
}

void CWndPopup::HoverAtCursor() {
  if (buttonHeld_) return;
  const QPoint p = mapFromGlobal(QCursor::pos());
  if (OnItemHover(p.x(), p.y())) Render();
}

void CWndPopup::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (canvas_.isNull()) p.fillRect(rect(), Qt::black);
  else p.drawImage(0, 0, canvas_);
}

void CWndPopup::mouseMoveEvent(QMouseEvent* e) {
  if (!tracking_) {
    tracking_ = true;
    // The hover report arrives once the mouse has rested 50 ms.
    QTimer::singleShot(50, this, [this] { HoverAtCursor(); });
  }
  if (buttonHeld_) return;
  const QPoint p = e->position().toPoint();
  if (OnItemHover(p.x(), p.y())) Render();
}

void CWndPopup::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  buttonHeld_ = true;
  const QPoint p = e->position().toPoint();
  if (OnItemDown(p.x(), p.y())) Render();
}

void CWndPopup::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  QPointer<CWndPopup> self(this);
  if (e->button() == Qt::LeftButton) {
    buttonHeld_ = false;
    if (OnItemUp(p.x(), p.y()) && self) Render();
  } else if (e->button() == Qt::RightButton) {
    OnItemRightUp(p.x(), p.y());
  }
}

void CWndPopup::leaveEvent(QEvent*) {
  tracking_ = false;
  HoverAtCursor();
}

void CWndPopup::closeEvent(QCloseEvent* e) {
  closing_ = true;
  SendToParent(kPopupClosedMessage, 0, 0);
  e->accept();
}

bool CWndPopup::event(QEvent* e) {
  if (e->type() == QEvent::WindowDeactivate) OnDeactivate();
  return QWidget::event(e);
}

}  // namespace corvane
