// The main window's pages of the gallery and the control lists beside them.
#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/MainWindowGallery.h"
#include "app/MainWindowLayout.h"
#include "app/MainWindowPreview.h"
#include "skin/CComboButton.h"
#include "session/AppContext.h"
#include "skin/CDlgBase.h"

namespace corvane {

namespace {

QString ClassName(const CControlBase& c) {
  const char* raw = typeid(c).name();
  int status = 0;
  char* demangled = abi::__cxa_demangle(raw, nullptr, nullptr, &status);
  QString name = QString::fromLatin1(status == 0 && demangled ? demangled : raw);
  std::free(demangled);
  return name.section("::", -1);
}

QString Caption(const CControlBase& c) {
  if (const auto* combo = dynamic_cast<const CComboButton*>(&c)) return QString::fromStdU16String(combo->ValueText());
  return QString::fromStdU16String(c.GetText());
}

}  // namespace

QByteArray DescribeControls(const CDlgBase& dlg) {
  QJsonArray list;
  for (int g = 0; g < CDlgBase::kGroupCount; ++g) {
    for (const auto& c : const_cast<CDlgBase&>(dlg).Group(g)) {
      if (!c) continue;
      const CRect r = c->GetRect();
      list.append(QJsonObject{{"id", static_cast<int>(c->Id())},
                              {"class", ClassName(*c)},
                              {"rect", QJsonArray{r.left, r.top, r.right, r.bottom}},
                              {"visible", c->Visible() && c->Shown()},
                              {"enabled", !c->Disabled()},
                              {"caption", Caption(*c)}});
    }
  }
  QJsonObject doc{{"width", dlg.width()}, {"height", dlg.height()}, {"controls", list}};
  return QJsonDocument(doc).toJson(QJsonDocument::Indented);
}

void RenderMainWindowPages(AppContext& app, GuiState& gui, const GallerySink& sink, const std::filesystem::path& dir,
                           const QString& suffix) {
  auto shoot = [&](MainWindowPreview& window, const QString& name) {
    sink(name, window.grab().toImage());
    QFile json(QString::fromStdString((dir / (name + suffix + ".json").toStdString()).string()));
    if (json.open(QIODevice::WriteOnly | QIODevice::Truncate)) json.write(DescribeControls(window));
  };
  {
    MainWindowPreview window(app, gui);
    window.EnsureInitialized();
    shoot(window, "mainwindow-start");
  }
  for (int i = 0; i < kSectionCount; ++i) {
    MainWindowPreview window(app, gui);
    window.EnsureInitialized();
    SectionStates open{};
    open[static_cast<std::size_t>(i)] = true;
    ApplySectionStates(window, open);
    ShowCurrentProfile(window, app, gui);
    shoot(window, QString("mainwindow-section-%1").arg(kSectionHeaders[static_cast<std::size_t>(i)]));
  }
  {
    // Lighting in the breathing effect, whose colour slots the window shows.
    ProfileRecord& p = app.Profiles[app.Config.CurrentProfileSlot()];
    const auto savedMode = p.Lighting1ModeValue;
    const std::u16string savedName = p.Lighting1Name;
    p.Lighting1ModeValue[0] = 3;
    p.Lighting1Name.clear();
    MainWindowPreview window(app, gui);
    window.EnsureInitialized();
    SectionStates open{};
    open[static_cast<std::size_t>(*SectionOfHeader(kSectionHeaders[1]))] = true;
    ApplySectionStates(window, open);
    ShowCurrentProfile(window, app, gui);
    shoot(window, "mainwindow-section-3002-slots");
    p.Lighting1ModeValue = savedMode;
    p.Lighting1Name = savedName;
  }
}

}  // namespace corvane
