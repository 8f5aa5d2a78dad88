// Every popup of the toolkit with its second item hot (the profile selector: a profile row).
#include <algorithm>
#include <array>
#include <memory>

#include <QPainter>

#include "app/Gallery.h"
#include "app/MainWindowIds.h"
#include "app/MainWindowPreview.h"
#include "skin/SkinScaling.h"
#include "session/AppContext.h"
#include "skin/GuiState.h"
#include "widgets/CComboActionInsertPopup.h"
#include "widgets/CComboLightingPopup.h"
#include "widgets/CComboPollingRatePopup.h"
#include "widgets/CComboPopup.h"
#include "widgets/CComboProfilePopup.h"
#include "widgets/CDPILockPopup.h"
#include "widgets/CDPIPopup.h"
#include "widgets/CMacroListPopup.h"
#include "widgets/CMultimediaPopup.h"
#include "widgets/COfficePopup.h"
#include "widgets/CProfilePopup.h"
#include "widgets/CProfileRKeyPopup.h"
#include "widgets/CWindowsManagePopup.h"

namespace corvane {

namespace {

void Shoot(CWndPopup& popup, int hotIndex, const QString& name, const GallerySink& sink) {
  popup.InitItems();
  const auto& items = popup.Items();
  if (hotIndex >= 0 && hotIndex < static_cast<int>(items.size())) {
    const CRect r = items[static_cast<std::size_t>(hotIndex)].rect;
    popup.OnItemHover(r.left + 1, r.top + 1);
  }
  popup.Render();
  sink("popup-" + name, popup.Canvas());
}

// The button-function menu with the item of a submenu hot and that submenu open beside
// it, level with the item, as the main window opens it.
void ShootWithSubmenu(CComboPopup& menu, int item, CWndPopup& submenu, const QString& name, const GallerySink& sink) {
  menu.InitItems();
  const CRect r = menu.Items()[static_cast<std::size_t>(item)].rect;
  menu.OnItemHover(r.left + 1, r.top + 1);
  menu.Render();
  submenu.InitItems();
  submenu.Render();
  const QImage& m = menu.Canvas();
  const QImage& sub = submenu.Canvas();
  QImage both(m.width() + sub.width(), std::max(m.height(), r.top + sub.height()), QImage::Format_ARGB32);
  both.fill(Qt::transparent);
  QPainter p(&both);
  p.drawImage(0, 0, m);
  p.drawImage(m.width(), r.top, sub);
  p.end();
  sink("menu-" + name, both);
}

// The profile list with the profile menu open under one of its rows.
void ShootProfileListWithMenu(AppContext& ctx, GuiState& gui, const GallerySink& sink) {
  std::array<std::u16string, 5> names;
  for (int i = 0; i < 3; ++i) names[static_cast<std::size_t>(i)] = ctx.Profiles[i].ProfileName();
  CComboProfilePopup list(gui, names, 0);
  list.InitItems();
  const CRect row = list.Items()[2].rect;
  list.OnItemHover(row.left + 1, row.top + 1);
  list.Render();
  CProfileRKeyPopup menu(gui);
  menu.InitItems();
  const CRect first = menu.Items()[3].rect;
  menu.OnItemHover(first.left + 1, first.top + 1);
  menu.Render();
  const QImage& l = list.Canvas();
  const QImage& m = menu.Canvas();
  const int indent = l.width() / 3;
  QImage both(std::max(l.width(), indent + m.width()), std::max(l.height(), row.bottom + 1 + m.height()),
              QImage::Format_ARGB32);
  both.fill(Qt::transparent);
  QPainter p(&both);
  p.drawImage(0, 0, l);
  p.drawImage(indent, row.bottom + 1, m);
  p.end();
  sink("menu-CComboProfilePopup-with-CProfileRKeyPopup", both);
}

// The main window with the function menu of a button open where the window opens it
// (161 right of the combo's left edge, 20 above its top) and a submenu beside it.
void ShootMainWindowWithMenu(AppContext& ctx, GuiState& gui, const GallerySink& sink) {
  MainWindowPreview window(ctx, gui);
  window.EnsureInitialized();
  QImage picture = window.grab().toImage();
  const CControlBase* combo = window.FindControl(mainwnd::kButtonComboFirst + 4);
  if (!combo) return;
  CComboPopup menu(gui);
  menu.InitItems();
  const CRect item = menu.Items()[10].rect;
  menu.OnItemHover(item.left + 1, item.top + 1);
  menu.Render();
  CMultimediaPopup sub(gui);
  sub.InitItems();
  sub.Render();
  const float scale = gui.SkinScale;
  const QPoint at(combo->GetRect().left + Scaled(scale, 161), combo->GetRect().top - Scaled(scale, 20));
  QPainter p(&picture);
  p.drawImage(at, menu.Canvas());
  p.drawImage(at + QPoint(menu.Canvas().width(), item.top), sub.Canvas());
  p.end();
  sink("mainwindow-button-menu", picture);
}

}  // namespace

void RenderPopups(AppContext& ctx, GuiState& gui, const GallerySink& sink) {
  {
    CComboPopup p(gui);
    Shoot(p, 5, "CComboPopup", sink);
  }
  {
    CDPIPopup p(gui);
    Shoot(p, 1, "CDPIPopup", sink);
  }
  {
    CDPILockPopup p(gui, ctx.Dpi);
    Shoot(p, 1, "CDPILockPopup", sink);
  }
  {
    CMultimediaPopup p(gui);
    Shoot(p, 1, "CMultimediaPopup", sink);
  }
  {
    COfficePopup p(gui);
    Shoot(p, 1, "COfficePopup", sink);
  }
  {
    CWindowsManagePopup p(gui);
    Shoot(p, 1, "CWindowsManagePopup", sink);
  }
  {
    CProfilePopup p(gui);
    Shoot(p, 1, "CProfilePopup", sink);
  }
  {
    CProfileRKeyPopup p(gui);
    Shoot(p, 1, "CProfileRKeyPopup", sink);
  }
  {
    std::array<std::u16string, 5> names;
    for (int i = 0; i < 3; ++i) names[static_cast<std::size_t>(i)] = ctx.Profiles[i].ProfileName();
    CComboProfilePopup p(gui, names, 0);
    Shoot(p, 2, "CComboProfilePopup", sink);
  }
  {
    CComboPollingRatePopup p(gui);
    Shoot(p, 1, "CComboPollingRatePopup", sink);
  }
  {
    CComboLightingPopup p(gui);
    Shoot(p, 1, "CComboLightingPopup", sink);
  }
  for (int form : {0, 2, 1}) {
    CMacroListPopup p(gui, form);
    Shoot(p, 1, QString("CMacroListPopup-form%1").arg(form), sink);
  }
  {
    CComboActionInsertPopup p(gui);
    Shoot(p, 1, "CComboActionInsertPopup", sink);
  }
  {
    CComboPopup menu(gui);
    CDPIPopup sub(gui);
    ShootWithSubmenu(menu, 5, sub, "CComboPopup-dpi", sink);
  }
  {
    CComboPopup menu(gui);
    CMultimediaPopup sub(gui);
    ShootWithSubmenu(menu, 10, sub, "CComboPopup-multimedia", sink);
  }
  {
    CComboPopup menu(gui);
    COfficePopup sub(gui);
    ShootWithSubmenu(menu, 11, sub, "CComboPopup-office", sink);
  }
  {
    CComboPopup menu(gui);
    CWindowsManagePopup sub(gui);
    ShootWithSubmenu(menu, 12, sub, "CComboPopup-window", sink);
  }
  {
    CComboPopup menu(gui);
    CDPILockPopup sub(gui, ctx.Dpi);
    ShootWithSubmenu(menu, 14, sub, "CComboPopup-dpilock", sink);
  }
  ShootProfileListWithMenu(ctx, gui, sink);
  ShootMainWindowWithMenu(ctx, gui, sink);
}

}  // namespace corvane
