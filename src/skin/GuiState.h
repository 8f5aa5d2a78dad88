#pragma once
// What the window keeps for itself beside the program's state: where the skin files are,
// the scale and fonts chosen for the screen, the selections the controls share, the open
// secondary windows, and the language table the controls take their captions from. The
// window creates it at start-up and passes it by reference, so that tests can build
// fresh, independent instances.
#include <array>
#include <cstdint>
#include <filesystem>

#include "lang/LanguageTable.h"

class QWidget;

namespace corvane {

struct GuiState {
  explicit GuiState(const LanguageTable& language) : Language(language) {}

  // The program's language. Controls only read it, so a language loaded into the table
  // later shows in the captions they build afterwards.
  const LanguageTable& Language;
  std::filesystem::path ExeFolder;  // holds skins/: ProgramResourceFolder()
  float SkinScale = 1.0f;
  float DpiFactor = 1.0f;
  UiFont Font;

  // Control state shared by the skinned controls and the main window: selected radio
  // buttons (one bit per button, see CRadioButton), the DPI levels shown selected (low
  // byte), and the selected profile and page tabs.
  std::uint32_t RadioSelection = 0x002802A0;
  std::uint32_t DpiRadioSelection = 2;
  int ProfileTabIndex = 0;
  int PageTabIndex = 0;
  // The open secondary windows, closed with the main window, in first-free order (the
  // helpers of OpenPopupTable.h keep it).
  std::array<QWidget*, 10> OpenPopupTable{};
};

}  // namespace corvane
