// The fire-key and quick-launch dialogs: their captions, limits, warnings and what they
// report to the window that opened them, typed and clicked as a user would.
#include <gtest/gtest.h>

#include <functional>

#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "dialogs/CAttentionDlg.h"
#include "dialogs/CFireKeyDlg.h"
#include "dialogs/CQuickLaunchDlg.h"
#include "base/TextUtil.h"
#include "lang/LanguageEntries.h"
#include "lang/LanguageFiles.h"
#include "session/AppContext.h"
#include "support/InstalledLanguage.h"
#include "support/SkinTestSupport.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {
namespace {

// A click with the mouse on control id of the dialog.
void ClickIn(CDlgBase* window, unsigned id) {
  CControlBase* c = window->FindControl(id);
  ASSERT_NE(c, nullptr) << id;
  Click(window, Inside(c->GetRect()));
}

// Answers the file dialog that opens while it lives.
struct FileDialogAnswer {
  explicit FileDialogAnswer(std::function<void(QFileDialog*)> answer) {
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [this, answer] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* chooser = qobject_cast<QFileDialog*>(w);
        if (!chooser || !chooser->isVisible()) continue;
        answer(chooser);
        return;
      }
    });
    timer.start();
  }
  QTimer timer;
};

// Closes every attention box that opens and records its title and message.
struct Warnings {
  Warnings() {
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [this] {
      auto* box = qobject_cast<CAttentionDlg*>(QApplication::activeModalWidget());
      if (!box) return;
      messages.push_back(box->Message());
      box->reject();
    });
    timer.start();
  }
  std::vector<std::u16string> messages;
  QTimer timer;
};

class ButtonFunctionDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallLanguageFiles(data.Root());
    ctx->Language = InstalledLanguage(data.Root());
    gui = MakeGuiState(ctx->Language);
    owner = std::make_unique<TestDialog>(*gui, 1000, 700);
    owner->EnsureInitialized();
    owner->show();
  }
  std::u16string Text(int n) const { return ctx->Language.Text(n); }
  const PopupSelection* Reported(unsigned message) {
    for (const auto& m : owner->messages)
      if (m.msg == message) return reinterpret_cast<const PopupSelection*>(m.lParam);
    return nullptr;
  }

  TempDataFolder data;
  std::unique_ptr<AppContext> ctx = std::make_unique<AppContext>();
  std::unique_ptr<GuiState> gui;
  std::unique_ptr<TestDialog> owner;
};

struct FireCase {
  const char* interval;
  const char* count;
  bool accepted;
  std::array<std::uint8_t, 3> value;
  int warning;  // language text of the refusal, 0 for none
};

TEST_F(ButtonFunctionDialogsTest, FireKeyOkGivesIntervalAndCountOrRefuses) {
  const FireCase cases[] = {
      {"5", "3", true, {0x30, 0x05, 0x03}, 0},
      {"255", "255", true, {0x30, 0xFF, 0xFF}, 0},
      {"50", "", true, {0x30, 0x32, 0x00}, 0},
      {"4", "3", false, {}, kTextFireIntervalRange},
      {"", "3", false, {}, kTextFireIntervalRange},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.interval) + "/" + c.count);
    owner->messages.clear();
    Warnings warnings;
    CFireKeyDlg dialog(*gui, owner.get());
    dialog.EnsureInitialized();
    dialog.show();
    QTest::keyClicks(dialog.IntervalEdit(), c.interval);
    QTest::keyClicks(dialog.CountEdit(), c.count);
    ClickIn(&dialog, kIdOk);
    EXPECT_EQ(dialog.isVisible(), !c.accepted);
    const PopupSelection* record = Reported(CFireKeyDlg::kResultMessage);
    if (c.accepted) {
      ASSERT_NE(record, nullptr);
      EXPECT_EQ(dialog.Record().value, c.value);
      std::u16string caption = Text(kTextFireKeyCustom);
      caption.pop_back();  // without its trailing "+"
      EXPECT_EQ(dialog.Record().text, caption);
      EXPECT_TRUE(warnings.messages.empty());
    } else {
      EXPECT_EQ(record, nullptr);
      EXPECT_EQ(warnings.messages, std::vector<std::u16string>{Text(c.warning)});
    }
  }
}

TEST_F(ButtonFunctionDialogsTest, FireKeyValuesAbove255BecomeIt) {
  for (const bool interval : {true, false}) {
    SCOPED_TRACE(interval ? "interval" : "count");
    Warnings warnings;
    CFireKeyDlg dialog(*gui, owner.get());
    dialog.EnsureInitialized();
    dialog.show();
    QLineEdit* box = interval ? dialog.IntervalEdit() : dialog.CountEdit();
    QTest::keyClicks(box, "300");
    QTRY_COMPARE_WITH_TIMEOUT(box->text(), QString("255"), 300);
    ASSERT_EQ(warnings.messages.size(), 1u);
    EXPECT_EQ(warnings.messages[0], Text(interval ? kTextFireIntervalRange : kTextFireCountRange));
    dialog.reject();
  }
}

TEST_F(ButtonFunctionDialogsTest, FireKeyWarnsOfNonDigitsButTypesThem) {
  Warnings warnings;
  CFireKeyDlg dialog(*gui, owner.get());
  dialog.EnsureInitialized();
  dialog.show();
  QTest::keyClicks(dialog.IntervalEdit(), "4x");
  EXPECT_EQ(dialog.IntervalEdit()->text(), "4x");
  EXPECT_EQ(warnings.messages, std::vector<std::u16string>{Text(kTextDigitsOnly)});
  QTest::keyClick(dialog.IntervalEdit(), Qt::Key_Backspace);
  EXPECT_EQ(warnings.messages.size(), 1u);
  // Enter and Escape do not end the dialog.
  QTest::keyClick(dialog.IntervalEdit(), Qt::Key_Return);
  QTest::keyClick(dialog.IntervalEdit(), Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.FindControl(kIdTitle)->GetText(), Text(kTextFireKeyTitle));
  EXPECT_EQ(dialog.FindControl(CFireKeyDlg::kIdIntervalLabel)->GetText(), Text(kTextFireInterval));
  EXPECT_EQ(dialog.FindControl(CFireKeyDlg::kIdCountLabel)->GetText(), Text(kTextFireCount));
  dialog.reject();
}

TEST_F(ButtonFunctionDialogsTest, FireKeyStartsFromTheButtonsFireValue) {
  CFireKeyDlg dialog(*gui, owner.get(), std::array<std::uint8_t, 3>{0x30, 0x28, 0x07});
  dialog.EnsureInitialized();
  EXPECT_EQ(dialog.IntervalEdit()->text(), "40");
  EXPECT_EQ(dialog.CountEdit()->text(), "7");
}

TEST_F(ButtonFunctionDialogsTest, QuickLaunchReportsTheChosenFile) {
  const std::string path = data.Path("apps/editor.desktop").string();
  data.PutText("apps/editor.desktop", u"[Desktop Entry]\n");
  CQuickLaunchDlg dialog(*gui, owner.get());
  dialog.EnsureInitialized();
  dialog.show();
  EXPECT_EQ(dialog.FindControl(CQuickLaunchDlg::kIdLaunchTitle)->GetText(), Text(kTextQuickLaunchTitle));
  // The file dialog offers desktop entries and any file; its OK sets the path.
  QStringList filters;
  FileDialogAnswer answer([&](QFileDialog* chooser) {
    filters = chooser->nameFilters();
    chooser->selectFile(QString::fromStdString(path));
    static_cast<QDialog*>(chooser)->accept();
  });
  ClickIn(&dialog, CQuickLaunchDlg::kIdBrowse);
  EXPECT_TRUE(filters.join(";").contains("*.desktop"));
  EXPECT_TRUE(filters.join(";").contains("(*)"));
  EXPECT_EQ(dialog.FindControl(CQuickLaunchDlg::kIdPath)->GetText(), U16(path));
  ClickIn(&dialog, kIdOk);
  EXPECT_FALSE(dialog.isVisible());
  const auto sent = owner->For(CQuickLaunchDlg::kResultMessage);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(dialog.Path(), U16(path));
  EXPECT_EQ(dialog.Record().text, u"editor.desktop");
  EXPECT_EQ(dialog.Record().value, (std::array<std::uint8_t, 3>{0x60, 0x05, 0x00}));
}

TEST_F(ButtonFunctionDialogsTest, QuickLaunchSendsNothingWithoutAFileOrOnCancel) {
  for (const unsigned button : {kIdOk, kIdCancel, kIdClose}) {
    SCOPED_TRACE(button);
    owner->messages.clear();
    CQuickLaunchDlg dialog(*gui, owner.get());
    dialog.EnsureInitialized();
    dialog.show();
    if (button != kIdOk) dialog.SetChosenPath("/usr/bin/true");
    ClickIn(&dialog, button);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(owner->For(CQuickLaunchDlg::kResultMessage).empty());
  }
}

TEST_F(ButtonFunctionDialogsTest, QuickLaunchCancelledFileDialogKeepsThePreviousChoice) {
  CQuickLaunchDlg dialog(*gui, owner.get());
  dialog.EnsureInitialized();
  dialog.show();
  dialog.SetChosenPath("/usr/bin/true");
  FileDialogAnswer answer([](QFileDialog* chooser) { chooser->reject(); });
  ClickIn(&dialog, CQuickLaunchDlg::kIdBrowse);
  EXPECT_EQ(dialog.Path(), u"/usr/bin/true");
  dialog.reject();
}

}  // namespace
}  // namespace corvane::testing
