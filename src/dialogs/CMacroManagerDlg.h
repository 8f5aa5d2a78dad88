#pragma once
// The macro manager: the library as a tree on the left, the steps of the selected macro
// on the right, recording from the keyboard hook (real or fixed delays), inserting,
// editing and deleting steps, the macro's playback mode and count, and a context menu
// to create, rename, delete, import and export. It works directly on the program's
// library and writes the library file whenever recording stops and however it ends.
#include <functional>

#include <QImage>
#include <QString>

#include "macros/MacroLocation.h"
#include "platform/KeyboardHook.h"
#include "skin/CDlgBase.h"

class QLineEdit;

namespace corvane {

struct AppContext;
struct MacroItem;
struct MacroAction;
class CCheckButton;
class CEditShowList;
class CImageShowList;
class CVScrollBar;

class CMacroManagerDlg : public CDlgBase {
  Q_OBJECT

 public:
  static constexpr int kDesignWidth = 528;
  static constexpr int kDesignHeight = 365;

  enum Id : unsigned {
    kIdNewMacro = 2012,
    kIdDeleteNode = 2013,
    kIdTree = 2015,
    kIdRealDelays = 2017,
    kIdRecord = 2018,
    kIdFixedDelay = 2019,
    kIdSteps = 2020,
    kIdTreeScroll = 2021,
    kIdStepScroll = 2022,
    kIdEditStep = 2023,
    kIdDeleteStep = 2024,
    kIdModeHeld = 2031,    // playback mode 1
    kIdModeToggle = 2032,  // playback mode 4
    kIdModeCount = 2033,   // playback mode 2
    kIdCountEdit = 2034,
    kIdInsert = 2035,
    kIdDelayEdit = 2036,
  };
  enum Message : unsigned {
    kMsgInsertOpen = 1166,
    kMsgInsertChoice = 1167,
    kMsgInsertDismissed = 1168,
    kMsgTreeMenuChoice = 1169,
    kMsgTreeMenuDismissed = 1170,
  };
  enum TreeAction : int {
    kNewMacro = 0, kNewFolder, kExportMacro, kImportMacro, kRename, kDelete, kImportLibrary, kExportLibrary
  };
  static constexpr int kDefaultFixedDelay = 8;
  // The popup slots of the insert popup and of the context menu.
  static constexpr int kInsertPopupSlot = 9;
  static constexpr int kTreeMenuSlot = 10;

  // save: whether the dialog asks for a file to write (export) or to read (import).
  using FileChooser = std::function<QString(bool save, const QString& title, const QString& filter,
                                            const QString& defaultName)>;

  CMacroManagerDlg(AppContext& app, GuiState& gui, QWidget* parent = nullptr);
  ~CMacroManagerDlg() override;

  bool OnInitDialog() override;
  void InitUI(const CRect& client) override;
  void DrawDialog(QPainter& dc, const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;

  // The popups' choices, as they run once the popup has closed.
  void RunInsert(int type);
  void RunTreeAction(int action);
  // Takes up a new CurrentMacroLocation: the macro shown, the scroll bars, mode and count.
  void SelectionChanged();

  // State, for the main window and checks.
  MacroItem* CurrentMacro() const { return currentMacro_; }
  bool Recording() const { return recording_; }
  int FixedDelay() const { return fixedDelay_; }
  bool RealDelays() const;
  QLineEdit* CountEdit() const { return countEdit_; }
  QLineEdit* DelayEdit() const { return delayEdit_; }
  CEditShowList* Tree() const { return tree_; }
  CImageShowList* Steps() const { return steps_; }
  const CKeyboardHook& Hook() const { return hook_; }
  // The open and save dialogs for import and export (tests answer them without a window).
  void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

 protected:
  bool event(QEvent* event) override;
  bool PreTranslateKey(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void done(int r) override;

 private:
  // Controls.
  QLineEdit* AddEdit(unsigned id, const CRect& design, const QString& text);
  CRect Design(int left, int top, int right, int bottom) const;
  void PlaceCountEdit();

  // The tree and the scroll bars.
  void UpdateScrollBars();
  void ScrollList(bool tree, int newTop);
  void OnScroll(bool tree, WPARAM part, LPARAM code);
  void ShowStepVisible(int row);
  void OpenTreeMenu(const QPoint& at);
  void OpenInsertPopup();
  bool NewNode(bool folder);
  void RenameSelected();
  void DeleteSelected();
  void ExportMacroFile();
  void ImportMacroFile();
  void ImportLibraryFile();
  void ExportLibraryFile();
  QString AskFile(bool save, int titleEntry, const QString& extension, const std::u16string& defaultName);
  void SelectCreated(const MacroLocation& location, bool openSelectedFolder);

  // Recording.
  void StartRecording();
  void StopRecording();
  void OnHookKey(std::uint8_t key, std::uint32_t lParam);
  void SetRecordButton(bool checked);
  void SaveLibrary();

  // Steps.
  void EditStep();
  void DeleteStep();
  void OnModeRadio(unsigned id);
  void OnCountEdited();
  void OnDelayEdited();
  int InsertPosition() const;
  bool InsertSteps(int at, std::initializer_list<MacroAction> steps);
  void RemoveSteps(int at, int count);
  void SelectStep(int row);

  void Attention(int entry);

  AppContext& app_;
  QImage frame_;
  CKeyboardHook hook_;
  MacroItem* currentMacro_ = nullptr;
  bool recording_ = false;
  std::uint8_t lastKey_ = 0;
  std::uint32_t lastStamp_ = 0;
  int fixedDelay_ = kDefaultFixedDelay;
  bool librarySaved_ = false;
  bool localNoteShown_ = false;

  CEditShowList* tree_ = nullptr;
  CImageShowList* steps_ = nullptr;
  CVScrollBar* treeScroll_ = nullptr;
  CVScrollBar* stepScroll_ = nullptr;
  CCheckButton* record_ = nullptr;
  CCheckButton* realDelays_ = nullptr;
  CCheckButton* fixedDelayCheck_ = nullptr;
  QLineEdit* countEdit_ = nullptr;
  QLineEdit* delayEdit_ = nullptr;
  CRect countRect_;
  FileChooser chooseFile_;
};

}  // namespace corvane
