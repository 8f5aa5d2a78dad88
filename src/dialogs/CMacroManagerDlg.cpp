// The macro manager's window: controls in their places, painting, the message map, the
// keys it swallows, and the end that always writes the library.
#include "dialogs/CMacroManagerDlg.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QWheelEvent>

#include "dialogs/CAttentionDlg.h"
#include "lang/LanguageEntries.h"
#include "macros/MacroLibraryFile.h"
#include "platform/KeyboardHookKeys.h"
#include "session/AppContext.h"
#include "skin/CCheckButton.h"
#include "skin/CComboButton.h"
#include "skin/CImageButton.h"
#include "skin/CRadioButton.h"
#include "skin/CStaticText.h"
#include "skin/CVScrollBar.h"
#include "skin/CWndPopup.h"
#include "skin/DrawTextW.h"
#include "skin/GuiState.h"
#include "skin/SkinFiles.h"
#include "skin/SkinFonts.h"
#include "skin/SkinScaling.h"
#include "widgets/CEditShowList.h"
#include "widgets/CImageShowList.h"

namespace corvane {

namespace {
constexpr COLORREF kPanelFrame = 0x00949494;
constexpr COLORREF kEditText = 0x00B4B4B4;
constexpr COLORREF kEditBackground = 0x00141414;
}  // namespace

CMacroManagerDlg::CMacroManagerDlg(AppContext& app, GuiState& gui, QWidget* parent)
    : CDlgBase(gui, parent, Scaled(gui.SkinScale, kDesignWidth), Scaled(gui.SkinScale, kDesignHeight)),
      app_(app), frame_(LoadOpaqueBitmap(SkinFilePath(gui, u"skins\\Frame_Macro_Manager.bmp"))) {}

CMacroManagerDlg::~CMacroManagerDlg() { hook_.StopHook(); }

CRect CMacroManagerDlg::Design(int left, int top, int right, int bottom) const {
  return ScaledRect(Gui().SkinScale, ClientRect(), left, top, right, bottom);
}

bool CMacroManagerDlg::OnInitDialog() {
  CDlgBase::OnInitDialog();
  RegisterInOpenPopupTable();
  MacroLibrary& lib = app_.Macros;
  lib.CurrentMacroLocation = MacroLocation::None();
  lib.CollapseAllFolders();
  tree_->SetTopRow(0);
  SelectionChanged();
  return true;
}

QLineEdit* CMacroManagerDlg::AddEdit(unsigned id, const CRect& r, const QString& text) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QStringLiteral("edit%1").arg(id));
  edit->setGeometry(r.ToQRect());
  QFont font = MakeEditFont(Gui());
  font.setFamily(QStringLiteral("Tahoma"));
  edit->setFont(font);
  edit->setAlignment(Qt::AlignCenter);
  edit->setFrame(false);
  edit->setStyleSheet(QStringLiteral("QLineEdit { color: %1; background: %2; border: none; }")
                          .arg(ColorOf(kEditText).name(), ColorOf(kEditBackground).name()));
  edit->setText(text);
  InstallKeyFilter(edit);
  return edit;
}

void CMacroManagerDlg::InitUI(const CRect&) {
  const LanguageTable& lang = Gui().Language;
  auto text = [&](unsigned id, CRect r, int entry) {
    AddControl(0, std::make_unique<CStaticText>(this, id, r, lang.Text(entry), kTextGrey, DT_LEFT));
  };
  text(2025, Design(24, 35, 124, 52), kTextMacroTree);
  text(2026, Design(189, 35, 289, 52), kTextMacroSteps);
  text(2027, Design(390, 84, 590, 102), kTextRecordDelays);
  text(2027, Design(390, 113, 590, 131), kTextFixedDelay);
  text(2028, Design(390, 142, 590, 159), kTextLoopWhileHeld);
  text(2029, Design(390, 170, 590, 187), kTextLoopToggle);
  text(2030, Design(390, 198, 590, 215), kTextLoopCount);

  auto close = std::make_unique<CImageButton>(this, kIdClose, Design(505, 3, 520, 18), u"", DT_CENTER);
  close->LoadNormalImage(u"skins\\exit_nr.png");
  close->LoadHoverImage(u"skins\\exit_ov.png");
  AddControl(0, std::move(close));

  auto record = std::make_unique<CCheckButton>(this, kIdRecord, Design(370, 53, 460, 71), lang.Text(kTextRecord),
                                               DT_CENTER);
  record->LoadNormalImage(u"skins\\macro_record_nr.png");
  record->LoadHoverImage(u"skins\\macro_record_nr.png");
  record->LoadCheckedImage(u"skins\\macro_record_dn.png");
  record->SetCaptions(lang.Text(kTextRecord), lang.Text(kTextStopRecording));
  record_ = AddControl(0, std::move(record));

  auto check = [&](unsigned id, CRect r, bool checked) {
    auto c = std::make_unique<CCheckButton>(this, id, r, u"", DT_LEFT);
    c->LoadNormalImage(u"skins\\check_nr.png");
    c->LoadHoverImage(u"skins\\check_ov.png");
    c->LoadCheckedImage(u"skins\\check_dn.png");
    c->SetChecked(checked);
    return AddControl(0, std::move(c));
  };
  realDelays_ = check(kIdRealDelays, Design(370, 86, 381, 97), true);
  fixedDelayCheck_ = check(kIdFixedDelay, Design(370, 115, 381, 126), false);

  const struct {
    unsigned id;
    int top;
  } radios[] = {{kIdModeHeld, 142}, {kIdModeToggle, 170}, {kIdModeCount, 198}};
  for (const auto& r : radios) {
    auto radio = std::make_unique<CRadioButton>(this, r.id, Design(368, r.top, 383, r.top + 15), u"");
    radio->LoadNormalImage(u"skins\\radio_nr.png");
    radio->LoadHoverImage(u"skins\\radio_ov.png");
    radio->LoadSelectedImage(u"skins\\radio_dn.png");
    AddControl(0, std::move(radio));
  }

  const struct {
    unsigned id;
    int left, right, entry;
  } buttons[] = {{kIdNewMacro, 24, 89, kTextNew},     {kIdDeleteNode, 104, 169, kTextDelete},
                 {kIdEditStep, 189, 254, kTextEdit},  {kIdDeleteStep, 269, 334, kTextDelete},
                 {kIdOk, 367, 432, kTextMacroOk},     {kIdCancel, 444, 509, kTextMacroCancel}};
  for (const auto& b : buttons) {
    auto button = std::make_unique<CImageButton>(this, b.id, Design(b.left, 333, b.right, 356), lang.Text(b.entry),
                                                 DT_CENTER);
    button->LoadNormalImage(u"skins\\button2_nr.png");
    button->LoadHoverImage(u"skins\\button2_ov.png");
    AddControl(0, std::move(button));
  }

  auto tree = std::make_unique<CEditShowList>(this, app_.Macros, kIdTree, Design(25, 54, 168, 323), u"");
  tree->LoadFolderOpenImage(u"skins\\foldr_open.png");
  tree->LoadFolderClosedImage(u"skins\\foldr_close.png");
  tree_ = AddControl(0, std::move(tree));
  auto steps = std::make_unique<CImageShowList>(this, kIdSteps, Design(190, 54, 333, 323), u"");
  steps->LoadDelayImage(u"skins\\macro_time.png");
  steps->LoadKeyUpImage(u"skins\\macro_up.png");
  steps->LoadKeyDownImage(u"skins\\macro_down.png");
  steps_ = AddControl(0, std::move(steps));
  treeScroll_ = AddControl(0, std::make_unique<CVScrollBar>(this, kIdTreeScroll, Design(169, 53, 187, 324), u""));
  stepScroll_ = AddControl(0, std::make_unique<CVScrollBar>(this, kIdStepScroll, Design(334, 53, 352, 324), u""));

  // The Chinese captions are shorter, so the field sits further left.
  const bool chinese = lang.Text(kTextLanguageName) == u"中文";
  delayEdit_ = AddEdit(kIdDelayEdit, chinese ? Design(470, 110, 510, 130) : Design(485, 110, 525, 130),
                       QString::number(fixedDelay_));
  countRect_ = Design(392, 219, 470, 239);
  countEdit_ = AddEdit(kIdCountEdit, countRect_, QString());
  connect(countEdit_, &QLineEdit::textEdited, this, [this] { OnCountEdited(); });
  connect(delayEdit_, &QLineEdit::textEdited, this, [this] { OnDelayEdited(); });

  text(2026, Design(370, 259, 470, 276), kTextInsertStep);
  auto insert = std::make_unique<CComboButton>(this, kMsgInsertOpen, kIdInsert, Design(370, 279, 487, 293), u"",
                                               DT_LEFT, u"");
  insert->LoadNormalImage(u"skins\\combo3_nr.png");
  insert->LoadHoverImage(u"skins\\combo3_ov.png");
  AddControl(0, std::move(insert));
}

void CMacroManagerDlg::DrawDialog(QPainter& dc, const CRect& client) {
  DrawFrameBackground(dc, client, frame_, kDesignWidth, kDesignHeight);
  dc.save();
  dc.setPen(ColorOf(kPanelFrame));
  dc.setBrush(Qt::NoBrush);
  for (const CRect& r : {Design(24, 53, 169, 324), Design(189, 53, 334, 324)})
    dc.drawRect(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
  dc.restore();
  DrawControls(dc, client);
}

LRESULT CMacroManagerDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM code) {
  switch (msg) {
    case kIdClose:
      if (code == kNotifyClick) {
        ReleaseControlImages();
        EndDialog(IDCANCEL);
      }
      return 0;
    case kIdRecord:
      if (code == kNotifyClick) {
        if (record_->Checked()) StartRecording();
        else StopRecording();
      }
      return 0;
    case kIdRealDelays:
    case kIdFixedDelay:
      // A pair: the one clicked has toggled itself, the other takes the opposite state.
      if (code == kNotifyClick) {
        CCheckButton* other = msg == kIdRealDelays ? fixedDelayCheck_ : realDelays_;
        CCheckButton* self = msg == kIdRealDelays ? realDelays_ : fixedDelayCheck_;
        other->SetChecked(!self->Checked());
        InvalidateRect(other->GetRect());
      }
      return 0;
    case kIdModeHeld:
    case kIdModeToggle:
    case kIdModeCount:
      if (code == kNotifyClick) OnModeRadio(msg);
      return 0;
    case kIdNewMacro:
      if (code == kNotifyClick) RunTreeAction(kNewMacro);
      return 0;
    case kIdDeleteNode:
      if (code == kNotifyClick) RunTreeAction(kDelete);
      return 0;
    case kIdEditStep:
      if (code == kNotifyClick) EditStep();
      return 0;
    case kIdDeleteStep:
      if (code == kNotifyClick) DeleteStep();
      return 0;
    case kIdTree:
      if (code == kNotifyPress || code == kNotifyDoubleClick) SelectionChanged();
      if (code == kNotifyRightUp) {
        SelectionChanged();
        if (wParam) OpenTreeMenu(*reinterpret_cast<const QPoint*>(wParam));
      }
      return 0;
    case kIdSteps:
      if (code == kNotifyPress) InvalidateRect(steps_->GetRect());
      if (code == kNotifyDoubleClick) EditStep();
      return 0;
    case kIdTreeScroll:
    case kIdStepScroll:
      OnScroll(msg == kIdTreeScroll, wParam, code);
      return 0;
    case kMsgInsertOpen:
      if (code == kNotifyClick) OpenInsertPopup();
      return 0;
    case kMsgInsertChoice:
    case kMsgTreeMenuChoice: {
      // The choice runs once the popup has gone, as the window's next job.
      const bool insert = msg == kMsgInsertChoice;
      const auto* choice = reinterpret_cast<const PopupSelection*>(code);
      if (!choice) return 0;
      const int value = choice->value[0];
      ClosePopup(insert ? kInsertPopupSlot : kTreeMenuSlot);
      QMetaObject::invokeMethod(
          this, [this, insert, value] { insert ? RunInsert(value) : RunTreeAction(value); }, Qt::QueuedConnection);
      return 0;
    }
    case kMsgInsertDismissed:
      ClosePopup(kInsertPopupSlot);
      return 0;
    case kMsgTreeMenuDismissed:
      ClosePopup(kTreeMenuSlot);
      return 0;
    case kMsgKeyboardHook:
      if (recording_) OnHookKey(static_cast<std::uint8_t>(wParam & 0xFF), static_cast<std::uint32_t>(code));
      return 0;
    default:
      return 0;
  }
}

bool CMacroManagerDlg::event(QEvent* e) {
  std::uint8_t key = 0;
  std::uint32_t lParam = 0;
  if (hook_.Take(e, key, lParam)) {
    OnMessage(kMsgKeyboardHook, key, static_cast<LPARAM>(lParam));
    return true;
  }
  return CDlgBase::event(e);
}

bool CMacroManagerDlg::PreTranslateKey(QKeyEvent* e) {
  return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape;
}

bool CMacroManagerDlg::eventFilter(QObject* watched, QEvent* event) {
  // Only the two number fields take typing, and keys pressed while recording are the
  // macro: a character other than a digit typed into a field is warned about (and then
  // typed all the same).
  if (event->type() == QEvent::KeyPress && (watched == countEdit_ || watched == delayEdit_) && !recording_) {
    const auto* e = static_cast<const QKeyEvent*>(event);
    const int key = e->key();
    const bool control = key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter ||
                         key == Qt::Key_Escape;
    if (!control && !e->text().isEmpty()) {
      const QChar c = e->text().front();
      if (c < QLatin1Char('0') || c > QLatin1Char('9')) Attention(kTextDigitsOnly);
    }
  }
  return CDlgBase::eventFilter(watched, event);
}

void CMacroManagerDlg::done(int r) {
  // However the window ends (its cross, or the main window closing it because the mouse
  // went away or the program ends), what was changed reaches the library file.
  hook_.StopHook();
  recording_ = false;
  if (!librarySaved_) {
    librarySaved_ = true;
    app_.Macros.CurrentMacroLocation = MacroLocation::None();
    SaveLibrary();
  }
  CDlgBase::done(r);
}

void CMacroManagerDlg::SaveLibrary() { SaveMacroLibraryFile(app_.DataFolder, app_.Macros); }

void CMacroManagerDlg::Attention(int entry) {
  CAttentionDlg box(Gui(), u"", Gui().Language.Text(entry), this);
  box.DoModal();
}

}  // namespace corvane
