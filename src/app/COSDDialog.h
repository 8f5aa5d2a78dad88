#pragma once
// The on-screen display: a small half-transparent window in the bottom-right corner of
// the work area with the DPI level, its resolution and the polling rate. The owner shows
// it with ShowOsd and removes it from its timer 50 about two seconds after the last
// change (COSDController).
#include <array>
#include <memory>
#include <string>

#include <QDialog>
#include <QRect>

namespace corvane {

class CDlgBase;
struct GuiState;
struct SettingsStore;

class COSDDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kDesignWidth = 180;
  static constexpr int kDesignHeight = 140;
  static constexpr unsigned kBackground = 0x00A449A4;

  explicit COSDDialog(const GuiState& gui);

  void SetLines(std::u16string line1, std::u16string line2, std::u16string line3);
  const std::array<std::u16string, 3>& Lines() const { return lines_; }
  // Where line 2 starts, in design pixels: further left for longer numbers, with other
  // offsets for the Chinese interface font.
  static int Line2X(const std::u16string& face, std::size_t length);
  // Where line 3 starts, in design pixels.
  static int Line3X(std::size_t length);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const GuiState& gui_;
  std::array<std::u16string, 3> lines_;
};

// The three lines for the current profile: "DPI-<level + 1>", its resolution in DPI (a
// level above 7 counts as level 0 for this lookup) and the polling-rate name.
std::array<std::u16string, 3> BuildOsdLines(const SettingsStore& settings);

// The window's place for a work area: its bottom-right corner, 180 x 140 x SkinScale.
QRect OsdGeometry(const QRect& workArea, float skinScale);

// ShowOsd and the countdown of the owner's timer 50.
class COSDController {
 public:
  static constexpr int kTimerId = 50;
  static constexpr int kTimerMs = 300;
  static constexpr int kCountdown = 5;

  COSDController(const GuiState& gui, CDlgBase& owner);
  ~COSDController();

  // Creates the display when needed, places it, sets the lines and restarts the countdown.
  void ShowOsd(std::u16string line1, std::u16string line2, std::u16string line3);
  // The owner's timer 50: counts down, then removes the display.
  void OnTimer50();

  COSDDialog* Display() const { return display_.get(); }
  int Countdown() const { return countdown_; }

 private:
  const GuiState& gui_;
  CDlgBase& owner_;
  std::unique_ptr<COSDDialog> display_;
  int countdown_ = 0;
};

}  // namespace corvane
