#pragma once
// The steps of the macro being edited (id always 2020): one row per step with its text
// and a press, release or delay picture.
#include "skin/CRowList.h"
#include "skin/SkinImage.h"

namespace corvane {

struct MacroItem;
constexpr unsigned kImageShowListId = 2020;

class CImageShowList : public CRowList {
 public:
  CImageShowList(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible = true,
                 bool shown = true, bool disabled = false);

  bool LoadKeyDownImage(std::u16string_view skinName);
  bool LoadKeyUpImage(std::u16string_view skinName);
  bool LoadDelayImage(std::u16string_view skinName);
  // The macro shown; the owner keeps it alive while it is shown.
  void SetMacroItem(const MacroItem* item) { item_ = item; }
  const MacroItem* GetMacroItem() const { return item_; }

  int RowCount() const override;
  void SetSelectedRow(int row) { selectedRow_ = row; }

  void Draw(QPainter& dc, CRect clip) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonDblClk(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 private:
  const MacroItem* item_ = nullptr;
  SkinImage keyDown_, keyUp_, delay_;
};

}  // namespace corvane
