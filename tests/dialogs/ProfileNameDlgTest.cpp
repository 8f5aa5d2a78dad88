// The name dialogs refuse empty names, the attention box, the reset confirmation and the
// progress animation.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "dialogs/CAddProfileDlg.h"
#include "dialogs/CAttentionDlg.h"
#include "dialogs/CEditProfileDlg.h"
#include "dialogs/CFirmwareResetDlg.h"
#include "dialogs/CProgressBarDlg.h"
#include "session/AppContext.h"
#include "support/SkinTestSupport.h"

namespace corvane::testing {
namespace {

// Closes the next attention box that opens (with its OK button) and records its message.
class AttentionCloser {
 public:
  AttentionCloser() { Arm(); }
  std::vector<std::u16string> seen;

 private:
  void Arm() {
    QTimer::singleShot(10, [this] {
      if (auto* box = dynamic_cast<CAttentionDlg*>(QApplication::activeModalWidget())) {
        seen.push_back(box->Message());
        Click(box, Inside(box->FindControl(kIdOk)->GetRect()));
      } else {
        Arm();
      }
    });
  }
};

void Key(QWidget* w, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
}

class NameDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx = std::make_unique<AppContext>();
    ctx->Config.ConfigDefaults();
    ctx->Language.Texts[147] = u"Please enter a name";
    gui = MakeGuiState(ctx->Language);
  }
  std::unique_ptr<AppContext> ctx;
  std::unique_ptr<GuiState> gui;
};

TEST_F(NameDialogsTest, AddRefusesAnEmptyNameThenCreatesTheProfile) {
  ctx->Config.SetProfileShowCount(3);
  ProfileRecord& record = ctx->Profiles[3];
  record.SetProfileName(u"old");
  CAddProfileDlg dlg(*ctx, *gui, record);
  dlg.EnsureInitialized();
  dlg.show();
  {
    AttentionCloser closer;
    Key(dlg.Edit(), Qt::Key_Return);
    EXPECT_EQ(closer.seen, (std::vector<std::u16string>{u"Please enter a name"}));
  }
  EXPECT_TRUE(dlg.isVisible()) << "the dialog stays open";
  EXPECT_EQ(record.ProfileName(), u"old");
  EXPECT_EQ(ctx->Config.GetProfileShowCount(), 3);

  Key(dlg.Edit(), Qt::Key_Escape);
  EXPECT_TRUE(dlg.isVisible()) << "Escape does not close it";

  QTest::keyClicks(dlg.Edit(), "Sniper");
  Click(&dlg, Inside(dlg.FindControl(kIdOk)->GetRect()));
  EXPECT_EQ(dlg.Result(), IDOK);
  EXPECT_EQ(record.ProfileName(), u"Sniper");
  EXPECT_EQ(ctx->Config.GetProfileShowCount(), 4);
}

TEST_F(NameDialogsTest, EditStoresTheNameOnlyOnOk) {
  SettingPair name{u"ProfileName", u"Office"};
  {
    CEditProfileDlg dlg(*gui, name);
    dlg.EnsureInitialized();
    dlg.show();
    EXPECT_EQ(dlg.Edit()->text(), "Office");
    EXPECT_EQ(dlg.Edit()->cursorPosition(), 6);
    dlg.Edit()->clear();
    AttentionCloser closer;
    Click(&dlg, Inside(dlg.FindControl(kIdOk)->GetRect()));
    EXPECT_EQ(closer.seen.size(), 1u);
    EXPECT_EQ(name.Value, u"Office");
    QTest::keyClicks(dlg.Edit(), "  ");
    Key(dlg.Edit(), Qt::Key_Enter);
    EXPECT_EQ(dlg.Result(), IDOK);
    EXPECT_EQ(name.Value, u"  ") << "spaces only are accepted as typed";
  }
  {
    CEditProfileDlg dlg(*gui, name);
    dlg.EnsureInitialized();
    dlg.show();
    QTest::keyClicks(dlg.Edit(), "x");
    Move(&dlg, Inside(dlg.FindControl(kIdCancel)->GetRect()));
    Press(&dlg, Inside(dlg.FindControl(kIdCancel)->GetRect()));
    EXPECT_EQ(dlg.Result(), 0) << "a press alone does not cancel";
    Release(&dlg, Inside(dlg.FindControl(kIdCancel)->GetRect()));
    EXPECT_EQ(dlg.Result(), IDCANCEL);
    EXPECT_EQ(name.Value, u"  ");
  }
}

TEST_F(NameDialogsTest, AttentionBoxEndsWithOkOrClose) {
  struct Case {
    unsigned id;
    int result;
  };
  for (const Case c : {Case{kIdOk, IDOK}, Case{kIdClose, IDCANCEL}}) {
    CAttentionDlg box(*gui, u"title", u"message");
    box.EnsureInitialized();
    box.show();
    EXPECT_EQ(box.FindControl(kIdTitle)->GetText(), u"") << "the title is not shown";
    EXPECT_EQ(box.FindControl(CAttentionDlg::kIdMessage)->GetText(), u"message");
    Click(&box, Inside(box.FindControl(c.id)->GetRect()));
    EXPECT_EQ(box.Result(), c.result);
  }
}

TEST_F(NameDialogsTest, ResetConfirmsWithEnterIgnoresEscapeAndRegistersWhileOpen) {
  {
    CFirmwareResetDlg dlg(*gui);
    dlg.EnsureInitialized();
    dlg.show();
    EXPECT_EQ(gui->OpenPopupTable[0], static_cast<void*>(&dlg));
    Key(&dlg, Qt::Key_Escape);
    EXPECT_EQ(dlg.Result(), 0);
    Key(&dlg, Qt::Key_Return);
    EXPECT_EQ(dlg.Result(), IDOK);
  }
  EXPECT_EQ(gui->OpenPopupTable[0], nullptr);
  CFirmwareResetDlg dlg(*gui);
  dlg.EnsureInitialized();
  dlg.show();
  Click(&dlg, Inside(dlg.FindControl(kIdClose)->GetRect()));
  EXPECT_EQ(dlg.Result(), IDCANCEL);
}

TEST_F(NameDialogsTest, ProgressClosesByItselfWithTheFullBar) {
  CProgressBarDlg dlg(*gui, u"Saving", u"");
  EXPECT_EQ(gui->OpenPopupTable[0], nullptr);
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.Progress(), 100);
  EXPECT_EQ(gui->OpenPopupTable[0], nullptr) << "the progress dialog never registers";
}

}  // namespace
}  // namespace corvane::testing
