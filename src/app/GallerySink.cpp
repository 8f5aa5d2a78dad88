// A window's picture in the gallery and the list of its controls beside it.
#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/Gallery.h"
#include "skin/CComboButton.h"
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

void GallerySink::Window(const QString& name, CDlgBase& dlg) const {
  dlg.EnsureInitialized();
  Write(name, dlg.grab().toImage(), DescribeControls(dlg));
}

}  // namespace corvane
