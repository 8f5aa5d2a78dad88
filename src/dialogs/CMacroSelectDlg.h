#pragma once
// The macro picker: the library's tree (folders closed at the start, nothing selected);
// OK takes the selected macro for the button that asked, and refuses a folder or
// nothing with text 234. Enter and Escape do nothing; the cross ends without a choice.
#include <optional>

#include <QImage>

#include "settings/ButtonAssignment.h"
#include "skin/CDlgBase.h"

namespace corvane {

struct AppContext;
class CEditShowList;
class CVScrollBar;

class CMacroSelectDlg : public CDlgBase {
  Q_OBJECT

 public:
  static constexpr int kDesignWidth = 528;
  static constexpr int kDesignHeight = 365;
  static constexpr unsigned kIdTree = 2015;
  static constexpr unsigned kIdTreeScroll = 2021;

  CMacroSelectDlg(AppContext& app, GuiState& gui, QWidget* parent = nullptr);

  bool OnInitDialog() override;
  void InitUI(const CRect& client) override;
  void DrawDialog(QPainter& dc, const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;

  // The button function chosen with OK: "<text 190><name>", 90 00 00 and the macro, which
  // lives in the library (copy it before the library changes).
  const std::optional<ButtonFunction>& Choice() const { return choice_; }
  CEditShowList* Tree() const { return tree_; }

 protected:
  bool PreTranslateKey(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  CRect Design(int left, int top, int right, int bottom) const;
  void RunOk();

  AppContext& app_;
  QImage frame_;
  CEditShowList* tree_ = nullptr;
  CVScrollBar* scroll_ = nullptr;
  std::optional<ButtonFunction> choice_;
};

}  // namespace corvane
