#include "skin/CDlgBase.h"

#include <utility>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "skin/CWndPopup.h"
#include "skin/GuiState.h"
#include "skin/OpenPopupTable.h"
#include "skin/SkinFiles.h"
#include "skin/SkinFonts.h"

namespace corvane {

namespace {

// Main-window controls whose click redraws the whole page.
struct IdRange {
  unsigned first, last;
};
constexpr IdRange kFullRedrawIds[] = {{2040, 2040}, {2049, 2053}, {3001, 3004}, {3007, 3009}};

}  // namespace

CDlgBase::CDlgBase(GuiState& gui, QWidget* parent, int width, int height)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), gui_(gui), width_(width), height_(height) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  installEventFilter(this);
}

CDlgBase::~CDlgBase() {
  Unregister();
  for (auto& [id, timer] : timers_) timer->stop();
  hover_ = nullptr;
  pressed_ = nullptr;
}

LRESULT CDlgBase::SendMessage(unsigned msg, WPARAM wParam, LPARAM lParam) { return OnMessage(msg, wParam, lParam); }

LRESULT CDlgBase::OnMessage(unsigned, WPARAM, LPARAM) { return 0; }

void CDlgBase::InvalidateRect(const CRect& rect) {
  if (!rect.IsEmpty()) update(rect.ToQRect());
}

bool CDlgBase::OnInitDialog() {
  setWindowTitle(QStringLiteral("Corvane"));
  setFont(MakeDialogFont(gui_));
  setFixedSize(width_, height_);
  InitUI(ClientRect());
  // Centre over the owner, or on the screen's work area.
  QRect area;
  if (parentWidget() && parentWidget()->isVisible()) {
    area = parentWidget()->window()->frameGeometry();
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  if (area.isValid()) move(area.left() + (area.width() - width_) / 2, area.top() + (area.height() - height_) / 2);
  return true;
}

void CDlgBase::EnsureInitialized() {
  if (initialized_) return;
  initialized_ = true;
  OnInitDialog();
}

int CDlgBase::DoModal() {
  EnsureInitialized();
  result_ = 0;
  exec();
  return result_;
}

void CDlgBase::EndDialog(int result) {
  result_ = result;
  if (result == IDOK) accept();
  else reject();
}

void CDlgBase::done(int r) {
  if (result_ == 0) result_ = r == QDialog::Accepted ? IDOK : IDCANCEL;
  Unregister();
  QDialog::done(r);
}

void CDlgBase::RegisterInOpenPopupTable() {
  if (!registered_) registered_ = RegisterOpenPopup(gui_, this);
}

void CDlgBase::Unregister() {
  if (!registered_) return;
  registered_ = false;
  UnregisterOpenPopup(gui_, this);
}

CControlBase* CDlgBase::FindControl(unsigned id) const {
  for (const auto& group : groups_)
    for (const auto& c : group)
      if (c && c->Id() == id) return c.get();
  return nullptr;
}

void CDlgBase::ReleaseControlImages() {
  for (auto& group : groups_)
    for (auto& c : group)
      if (c) c->ReleaseImages();
}

void CDlgBase::DrawControls(QPainter& dc, const CRect& clip) {
  const CRect area = paintClip_.IsEmpty() ? clip : clip.Intersected(paintClip_);
  for (auto& group : groups_) {
    for (auto& c : group) {
      if (!c || !(c->Visible() && c->Shown())) continue;
      const CRect r = c->GetRect().Intersected(area);
      if (r.IsEmpty()) continue;
      dc.save();
      c->Draw(dc, clip);
      dc.restore();
    }
  }
}

bool CDlgBase::LoadBackground(const std::filesystem::path& file) {
  auto picture = SkinPicture::Open(QString::fromStdString(file.string()), SkinPicture::Finish::OverBlack);
  if (!picture) return false;
  if (!loadedBackground_) sizeBeforeLoad_ = backgroundSize_;
  backgroundSize_ = picture->Size();
  picture->DecodeInBackground();
  loadedBackground_ = std::move(picture);
  return true;
}

void CDlgBase::TakeLoadedBackground() {
  if (!loadedBackground_) return;
  QImage img = loadedBackground_->Take();
  loadedBackground_.reset();
  if (img.isNull()) {
    backgroundSize_ = sizeBeforeLoad_;
    return;
  }
  backgroundSize_ = img.size();
  SetBackground(std::move(img));
}

COLORREF CDlgBase::BackgroundColor() {
  TakeLoadedBackground();
  return backgroundColor_;
}

void CDlgBase::SetBackgroundColor(COLORREF c) {
  TakeLoadedBackground();
  backgroundColor_ = c;
}

void CDlgBase::SetBackground(QImage bitmap) {
  // A background file still being decoded is taken in first, so this later picture wins
  // and finds the size that file gave.
  TakeLoadedBackground();
  if (bitmap.isNull()) return;
  // Three bytes a pixel (an opaque PNG as read) stay so; anything else is converted in
  // place. The window-sized picture is never held twice.
  QImage rgb = bitmap.format() == QImage::Format_RGB888 ? std::move(bitmap)
                                                         : std::move(bitmap).convertToFormat(QImage::Format_RGB32);
  std::uint64_t r = 0, g = 0, b = 0;
  const int width = rgb.width(), height = rgb.height();
  const std::uint64_t count = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
  const bool packed = rgb.format() == QImage::Format_RGB888;
  for (int y = 0; y < height; ++y) {
    const uchar* line = rgb.constScanLine(y);
    if (packed) {
      for (int x = 0; x < width; ++x) {
        r += line[3 * x];
        g += line[3 * x + 1];
        b += line[3 * x + 2];
      }
      continue;
    }
    const QRgb* pixels = reinterpret_cast<const QRgb*>(line);
    for (int x = 0; x < width; ++x) {
      r += static_cast<std::uint64_t>(qRed(pixels[x]));
      g += static_cast<std::uint64_t>(qGreen(pixels[x]));
      b += static_cast<std::uint64_t>(qBlue(pixels[x]));
    }
  }
  if (count > 0)
    backgroundColor_ = RGB(static_cast<int>(r / count), static_cast<int>(g / count), static_cast<int>(b / count));
  // The copy is stretched by the scale from the main window's design area; at scale 1 a
  // picture of exactly that area is its own copy.
  const float s = gui_.SkinScale;
  if (s == 1.0f && rgb.size() == backgroundSize_ && backgroundSize_ == QSize(1127, 740)) {
    backgroundCopy_ = std::move(rgb);
    return;
  }
  QImage copy(backgroundSize_, QImage::Format_RGB32);
  copy.fill(Qt::black);
  QPainter p(&copy);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRectF(0, 0, 1127 * s, 740 * s), rgb, QRectF(0, 0, 1127, 740));
  p.end();
  backgroundCopy_ = std::move(copy);
}

void CDlgBase::DrawFrameBackground(QPainter& dc, const CRect& client, const QImage& frame, int designWidth,
                                   int designHeight) {
  dc.fillRect(client.ToQRect(), ColorOf(backgroundColor_));
  if (!backgroundCopy_.isNull()) {
    const int w = std::min(backgroundSize_.width(), client.Width());
    const int h = std::min(backgroundSize_.height(), client.Height());
    dc.drawImage(0, 0, backgroundCopy_, 0, 0, w, h);
  }
  if (!frame.isNull()) {
    const float s = gui_.SkinScale;
    dc.save();
    dc.setRenderHint(QPainter::SmoothPixmapTransform);
    dc.drawImage(QRectF(0, 0, designWidth * s, designHeight * s), frame, QRectF(frame.rect()));
    dc.restore();
  }
}

CWndPopup* CDlgBase::PopupSlot(int slot) const {
  if (slot < 0 || slot >= kPopupSlotCount) return nullptr;
  return popupSlots_[static_cast<std::size_t>(slot)].data();
}

void CDlgBase::SetPopupSlot(int slot, CWndPopup* popup) {
  if (slot >= 0 && slot < kPopupSlotCount) popupSlots_[static_cast<std::size_t>(slot)] = popup;
}

void CDlgBase::ClosePopup(int slot) {
  if (slot < 0 || slot >= kPopupSlotCount) return;
  auto& entry = popupSlots_[static_cast<std::size_t>(slot)];
  if (entry) {
    if (pressed_ && pressed_ != hover_) {
      pressed_->CancelPress(0);
      pressed_ = nullptr;
    }
    entry->PostClose();
  }
  entry.clear();
}

void CDlgBase::SetTimer(int id, int milliseconds) {
  QTimer*& t = timers_[id];
  if (!t) {
    t = new QTimer(this);
    QObject::connect(t, &QTimer::timeout, this, [this, id] { OnTimer(id); });
  }
  t->start(milliseconds);
}

void CDlgBase::KillTimer(int id) {
  if (auto it = timers_.find(id); it != timers_.end()) it->second->stop();
}

bool CDlgBase::TimerActive(int id) const {
  auto it = timers_.find(id);
  return it != timers_.end() && it->second->isActive();
}

bool CDlgBase::IsFullRedrawId(unsigned id) const {
  for (const auto& r : kFullRedrawIds)
    if (id >= r.first && id <= r.last) return true;
  return false;
}

// ---- mouse routing -------------------------------------------------------------------

void CDlgBase::OnMouseMoveMsg(unsigned flags, int x, int y) {
  if (!tracking_) {
    tracking_ = true;
    // The hover report follows once the mouse has rested (1 ms).
    QTimer::singleShot(1, this, [this] { OnMouseHoverMsg(); });
  }
  if (hover_ && hover_->GetRect().Contains(x, y) && tracking_) {
    lastMouse_ = {x, y};
    if (hover_->OnMouseMove(flags, x, y)) InvalidateRect(hover_->GetRect());
    return;
  }
  if (buttonHeld_) return;
  CControlBase* previous = hover_;
  lastMouse_ = {x, y};
  bool found = false;
  if (tracking_) {
    for (auto& group : groups_) {
      for (auto& c : group) {
        if (!c || !c->Visible() || !c->Shown() || !c->Interactive()) continue;
        c->OnMouseMove(flags, x, y);
        if (c->GetRect().Contains(x, y)) {
          hover_ = c.get();
          found = true;
        }
      }
    }
  }
  if (previous) InvalidateRect(previous->GetRect());
  if (!found) hover_ = nullptr;
  else InvalidateRect(hover_->GetRect());
}

void CDlgBase::OnMouseLeaveMsg() {
  tracking_ = false;
  if (buttonHeld_) return;
  if (hover_) {
    const QPoint cursor = mapFromGlobal(QCursor::pos());
    if (isMaximized() && hover_->GetRect().Contains(cursor.x(), cursor.y())) lastMouse_ = cursor;
    else lastMouse_ = {-1, -1};
    hover_->OnMouseMove(0, lastMouse_.x(), lastMouse_.y());
    InvalidateRect(hover_->GetRect());
  }
  hover_ = nullptr;
}

void CDlgBase::OnMouseHoverMsg() {
  if (!hover_) return;
  const QPoint cursor = mapFromGlobal(QCursor::pos());
  if (hover_->GetRect().Contains(cursor.x(), cursor.y())) {
    lastMouse_ = cursor;
    InvalidateRect(hover_->GetRect());
  }
}

void CDlgBase::OnLButtonDownMsg(unsigned flags, int x, int y) {
  if (pressed_ && pressed_ != hover_) {
    pressed_->CancelPress(0);
    pressed_ = nullptr;
  }
  if (hover_ && hover_->GetRect().Contains(x, y)) {
    buttonHeld_ = true;
    pressed_ = hover_;
    pressedRect_ = pressed_->GetRect();
    if (pressed_->OnLButtonDown(flags, x, y)) InvalidateRect(pressedRect_);
    if (!captured_) {
      captured_ = true;  // the window keeps the mouse until the button comes up
      return;
    }
    return;
  }
  // A press on the background moves the window.
  pressedRect_ = kNoRect;
  QWindow* w = windowHandle();
  const bool systemMove = w && QGuiApplication::platformName() != QLatin1String("offscreen") && w->startSystemMove();
  if (!systemMove) {
    movingWindow_ = true;
    moveOffset_ = QCursor::pos() - pos();
  }
}

void CDlgBase::OnLButtonUpMsg(unsigned flags, int x, int y) {
  captured_ = false;
  buttonHeld_ = false;
  if (hover_) {
    CControlBase* control = hover_;
    const CRect rect = control->GetRect();
    if (control->OnLButtonUp(flags, x, y)) {
      if (!hover_) {
        pressedRect_ = kNoRect;
        return;
      }
      if (IsFullRedrawId(control->Id())) update();
      else InvalidateRect(rect);
    }
    if (pressedRect_.Contains(x, y) || rect.Contains(x, y)) {
      lastMouse_ = {x, y};
    } else {
      lastMouse_ = {-1, -1};
      hover_ = nullptr;
    }
  }
  pressedRect_ = kNoRect;
}

void CDlgBase::OnLButtonDblClkMsg(unsigned flags, int x, int y) {
  if (!hover_) return;
  for (auto& group : groups_) {
    for (auto& c : group) {
      if (c && c->GetRect().Contains(x, y)) {
        if (hover_->OnLButtonDblClk(flags, x, y)) InvalidateRect(hover_->GetRect());
        pressedRect_ = c->GetRect();
        return;
      }
    }
  }
}

void CDlgBase::OnRButtonUpMsg(unsigned flags, int x, int y) {
  if (!hover_) return;
  for (auto& c : groups_[0]) {
    if (c && c->GetRect().Contains(x, y)) {
      if (hover_->OnRButtonUp(flags, x, y)) InvalidateRect(hover_->GetRect());
      return;
    }
  }
}

// ---- Qt events -----------------------------------------------------------------------

unsigned CDlgBase::FlagsOf(const QMouseEvent* e) {
  unsigned f = 0;
  if (e->buttons() & Qt::LeftButton) f |= MK_LBUTTON;
  if (e->buttons() & Qt::RightButton) f |= MK_RBUTTON;
  if (e->buttons() & Qt::MiddleButton) f |= MK_MBUTTON;
  if (e->modifiers() & Qt::ShiftModifier) f |= MK_SHIFT;
  if (e->modifiers() & Qt::ControlModifier) f |= MK_CONTROL;
  return f;
}

void CDlgBase::paintEvent(QPaintEvent* event) {
  if (isMinimized()) return;
  TakeLoadedBackground();
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  paintClip_ = CRect::FromQRect(event->rect());
  DrawDialog(p, ClientRect());
  paintClip_ = CRect{};
}

void CDlgBase::mouseMoveEvent(QMouseEvent* e) {
  if (movingWindow_) {
    if (e->buttons() & Qt::LeftButton) move(e->globalPosition().toPoint() - moveOffset_);
    else movingWindow_ = false;
    return;
  }
  const QPoint p = e->position().toPoint();
  OnMouseMoveMsg(FlagsOf(e), p.x(), p.y());
}

void CDlgBase::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const QPoint p = e->position().toPoint();
  OnLButtonDownMsg(FlagsOf(e), p.x(), p.y());
  if (movingWindow_) moveOffset_ = e->globalPosition().toPoint() - pos();
}

void CDlgBase::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  if (e->button() == Qt::LeftButton) {
    if (movingWindow_) {
      movingWindow_ = false;
      pressedRect_ = kNoRect;
      return;
    }
    OnLButtonUpMsg(FlagsOf(e), p.x(), p.y());
  } else if (e->button() == Qt::RightButton) {
    OnRButtonUpMsg(FlagsOf(e), p.x(), p.y());
  }
}

void CDlgBase::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const QPoint p = e->position().toPoint();
  OnLButtonDblClkMsg(FlagsOf(e), p.x(), p.y());
}

void CDlgBase::leaveEvent(QEvent*) { OnMouseLeaveMsg(); }

void CDlgBase::showEvent(QShowEvent* e) {
  EnsureInitialized();
  QDialog::showEvent(e);
}

bool CDlgBase::PreTranslateKey(QKeyEvent*) { return false; }

void CDlgBase::InstallKeyFilter(QWidget* widget) {
  if (widget) widget->installEventFilter(this);
}

void CDlgBase::keyPressEvent(QKeyEvent* e) {
  if (PreTranslateKey(e)) return;
  QDialog::keyPressEvent(e);
}

bool CDlgBase::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched != this) {
    if (PreTranslateKey(static_cast<QKeyEvent*>(event))) return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace corvane
