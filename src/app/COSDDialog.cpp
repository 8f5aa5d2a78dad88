#include "app/COSDDialog.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "base/TextUtil.h"
#include "settings/PollingRateTable.h"
#include "settings/SettingsStore.h"
#include "skin/CDlgBase.h"
#include "skin/GuiState.h"
#include "skin/SkinFonts.h"
#include "skin/SkinScaling.h"
#include "skin/SkinTypes.h"

namespace corvane {

namespace {

// A font of the given cell height whose average character is about the given width.
QFont OsdFont(const std::u16string& face, int height, int width, int weight) {
  QFont f = MakeGdiFont(face, height, weight);
  const double avg = QFontMetricsF(f).averageCharWidth();
  if (avg > 0 && width > 0) f.setStretch(std::clamp(static_cast<int>(100.0 * width / avg), 50, 200));
  return f;
}

}  // namespace

COSDDialog::COSDDialog(const GuiState& gui)
    : QDialog(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      gui_(gui) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowTitle(QStringLiteral("Corvane"));
  // Half transparent, as a layered window with alpha 128.
  setWindowOpacity(128.0 / 255.0);
}

void COSDDialog::SetLines(std::u16string line1, std::u16string line2, std::u16string line3) {
  lines_ = {std::move(line1), std::move(line2), std::move(line3)};
  update();
}

int COSDDialog::Line2X(const std::u16string& face, std::size_t length) {
  if (face == u"宋体") return length == 5 ? 34 : length == 4 ? 44 : 50;
  return length == 5 ? 16 : length == 4 ? 34 : 50;
}

int COSDDialog::Line3X(std::size_t length) { return length == 6 ? 50 : 57; }

void COSDDialog::paintEvent(QPaintEvent*) {
  const float s = gui_.SkinScale;
  const std::u16string& face = gui_.Font.UiFontFace;
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(rect(), ColorOf(kBackground));
  p.setPen(Qt::white);
  const QFont small = OsdFont(face, Scaled(s, 24), Scaled(s, 12), 700);
  const QFont large = OsdFont(face, Scaled(s, 48), Scaled(s, 24), 400);
  // TextOutW places the top of the character cell at y.
  auto textOut = [&p](const QFont& f, int x, int y, const std::u16string& text) {
    p.setFont(f);
    p.drawText(QPointF(x, y + QFontMetricsF(f).ascent()), QString::fromStdU16String(text));
  };
  textOut(small, Scaled(s, 58), Scaled(s, 20), lines_[0]);
  textOut(large, Scaled(s, Line2X(face, lines_[1].size())), Scaled(s, 44), lines_[1]);
  textOut(small, Scaled(s, Line3X(lines_[2].size())), Scaled(s, 92), lines_[2]);
}

std::array<std::u16string, 3> BuildOsdLines(const SettingsStore& settings) {
  const ProfileRecord& profile = settings.Profiles[settings.Config.CurrentProfileSlot()];
  const int level = profile.CurrentDPILevel;
  const int lookup = level > 7 ? 0 : level;
  const int dpi = DpiOfStep(settings.Dpi, profile.XYSettingX[static_cast<std::size_t>(lookup)]);
  return {u"DPI-" + FormatDecimal(level + 1), FormatDecimal(dpi),
          std::u16string(PollingRateOf(profile.PollingRateValue[0]).ReportName)};
}

QRect OsdGeometry(const QRect& workArea, float skinScale) {
  const int w = Scaled(skinScale, COSDDialog::kDesignWidth);
  const int h = Scaled(skinScale, COSDDialog::kDesignHeight);
  const int right = workArea.left() + workArea.width();
  const int bottom = workArea.top() + workArea.height();
  return QRect(right - w, bottom - h, w, h);
}

COSDController::COSDController(const GuiState& gui, CDlgBase& owner) : gui_(gui), owner_(owner) {}

COSDController::~COSDController() = default;

void COSDController::ShowOsd(std::u16string line1, std::u16string line2, std::u16string line3) {
  if (display_) {
    display_->SetLines(std::move(line1), std::move(line2), std::move(line3));
    countdown_ = kCountdown;
    return;
  }
  display_ = std::make_unique<COSDDialog>(gui_);
  QRect work(0, 0, 1920, 1040);
  if (QScreen* screen = QGuiApplication::primaryScreen()) work = screen->availableGeometry();
  display_->setGeometry(OsdGeometry(work, gui_.SkinScale));
  display_->show();
  display_->SetLines(std::move(line1), std::move(line2), std::move(line3));
  owner_.SetTimer(kTimerId, kTimerMs);
  countdown_ = kCountdown;
}

void COSDController::OnTimer50() {
  if (countdown_ > 0) {
    --countdown_;
    return;
  }
  owner_.KillTimer(kTimerId);
  display_.reset();
}

}  // namespace corvane
