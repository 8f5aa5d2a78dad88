#pragma once
// Answers the modal windows a test expects, in order: each window that becomes the
// active modal one is handed to the next step of the script, which must end it. A window
// the script has no step for is recorded and rejected, so a test never hangs on it.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include "dialogs/CAttentionDlg.h"
#include "support/SkinTestSupport.h"

namespace corvane::testing {

class ModalScript {
 public:
  using Step = std::function<void(QWidget* modal)>;

  ModalScript() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }

  // The next modal window is handed to step.
  ModalScript& Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
  }
  // The next modal window is an attention box: its message is kept, its OK (or its
  // cross) pressed.
  ModalScript& Attention(bool ok = true) {
    return Then([this, ok](QWidget* w) {
      auto* box = qobject_cast<CAttentionDlg*>(w);
      if (!box) {
        unexpected.push_back(w->metaObject()->className());
        static_cast<QDialog*>(w)->reject();
        return;
      }
      attentions.push_back(box->Message());
      Click(box, Inside(box->FindControl(ok ? kIdOk : kIdClose)->GetRect()));
    });
  }
  // The next modal window is a skinned dialog with an edit box: text typed, then the
  // button id pressed.
  ModalScript& Type(const QString& text, unsigned button = kIdOk) {
    return Then([text, button](QWidget* w) {
      auto* dlg = static_cast<CDlgBase*>(w);
      if (auto* edit = w->findChild<QLineEdit*>()) edit->setText(text);
      Click(dlg, Inside(dlg->FindControl(button)->GetRect()));
    });
  }
  // The next modal window is a skinned dialog; the button id is pressed.
  ModalScript& Press(unsigned button) {
    return Then([button](QWidget* w) {
      auto* dlg = static_cast<CDlgBase*>(w);
      Click(dlg, Inside(dlg->FindControl(button)->GetRect()));
    });
  }

  bool Done() const { return steps_.empty(); }

  std::vector<std::u16string> attentions;
  std::vector<std::string> unexpected;

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == last_) return;
    last_ = modal;
    if (steps_.empty()) {
      std::string what = modal->metaObject()->className();
      if (auto* box = qobject_cast<CAttentionDlg*>(modal))
        what += ": " + QString::fromStdU16String(box->Message()).toStdString();
      unexpected.push_back(what);
      if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
      return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step(modal);
  }

  QTimer timer_;
  std::deque<Step> steps_;
  QPointer<QWidget> last_;
};

}  // namespace corvane::testing
