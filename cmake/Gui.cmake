# Qt 6 GUI, in layers above the core (see cmake/Layers.cmake): the skinned toolkit, this
# program's popups and lists, the secondary dialogs, the main window with the gallery,
# then the corvane executable and the GUI tests.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Test)
set(CMAKE_AUTOMOC ON)

# Opaque PNG backgrounds are read through libpng directly (skin/PngFile.h).
find_package(PNG REQUIRED)
# Generic skinned controls, popup bases, the dialog base, skin files, fonts and scaling.
# Captions come from the language table; nothing else of the program is seen here.
corvane_library(corvane_skin skin
  SOURCES CBattery.cpp CCheckButton.cpp CColorSelectButton.cpp CColorSelectCheckButton.cpp
          CComboButton.cpp CControlBase.cpp CDPIRadioButton.cpp CDlgBase.cpp CImageButton.cpp
          CImagePopup.cpp CLinkButton.cpp CPowerManageButton.cpp CRadioButton.cpp CRadioButtonBase.cpp
          CRowList.cpp CSliderControl.cpp CStaticImage.cpp CStaticProgressBar.cpp CStaticText.cpp
          CTabControl.cpp CTablePopup.cpp CVScrollBar.cpp CVerticalSliderControl.cpp CWndPopup.cpp
          DrawTextW.cpp OpenPopupTable.cpp SkinDecodeThread.cpp SkinFiles.cpp SkinFonts.cpp SkinImage.cpp SkinImageCache.cpp
          PngFile.cpp SkinPicture.cpp SkinScaling.cpp
  LINKS corvane_lang Qt6::Widgets PNG::PNG)

# The popups and lists whose items are this program's functions, profiles and macros.
corvane_library(corvane_widgets widgets
  SOURCES ButtonMenuRows.cpp CComboActionInsertPopup.cpp CComboLightingPopup.cpp CComboPollingRatePopup.cpp CComboPopup.cpp
          CComboProfilePopup.cpp CDPILockPopup.cpp CDPIPopup.cpp CEditShowList.cpp CImageShowList.cpp
          CMacroListPopup.cpp CMultimediaPopup.cpp COfficePopup.cpp CProfilePopup.cpp
          CProfileRKeyPopup.cpp CWindowsManagePopup.cpp
  LINKS corvane_skin corvane_session)

corvane_library(corvane_dialogs dialogs
  SOURCES CActionKeyModifyDlg.cpp CActionTimeModifyDlg.cpp CActionXYModifyDlg.cpp CAddProfileDlg.cpp
          CAttentionDlg.cpp CAutoSwitchDlg.cpp CCheckFWDlg.cpp CColorPaletteDlg.cpp CDPIValueSettingDlg.cpp
          CDPIValueSettingDlgBase.cpp CDPIValueSyncSettingDlg.cpp CEditProfileDlg.cpp CFireKeyDlg.cpp
          CFirmwareResetDlg.cpp CLaunchTargetsDlg.cpp CMacroKeyOrFolderNameDlg.cpp CMacroKeyRenameDlg.cpp
          CMacroManagerDlg.cpp CMacroManagerDlgRecord.cpp CMacroManagerDlgSteps.cpp CMacroManagerDlgTree.cpp
          CMacroSelectDlg.cpp CMacroSmallDlg.cpp CParingDlg.cpp CProfileNameDlg.cpp CProgressBarDlg.cpp
          CQuickLaunchDlg.cpp CSecondaryDlg.cpp CShortcutDlg.cpp FirmwareDialog.cpp FirmwareDialogWorker.cpp FirmwareReportQueue.cpp
          PairingDialog.cpp RowListScroll.cpp
  LINKS corvane_widgets corvane_platform_qt)

# Operating-system services that need Qt: one running instance per user, termination
# signals delivered to the event loop, the keyboard hook (XInput2 on X11), the active
# window's application on X11 for the per-application profiles.
pkg_check_modules(XINPUT REQUIRED IMPORTED_TARGET x11 xi)
corvane_library(corvane_platform_qt platform
  SOURCES ActiveWindowWatcher.cpp DesktopShell.cpp FontConfigWarmUp.cpp KeyboardHook.cpp KeyboardHookX11.cpp
          SingleInstance.cpp ShutdownSignals.cpp
  LINKS corvane_platform Qt6::Gui Qt6::Core PkgConfig::XINPUT)
# Qt draws text through fontconfig on Linux; the program reads its configuration early (see
# FontConfigWarmUp.h). Where there is no fontconfig the warm-up does nothing.
pkg_check_modules(FONTCONFIG IMPORTED_TARGET fontconfig)
if(FONTCONFIG_FOUND)
  target_link_libraries(corvane_platform_qt PRIVATE PkgConfig::FONTCONFIG)
  target_compile_definitions(corvane_platform_qt PRIVATE CORVANE_HAVE_FONTCONFIG)
endif()

corvane_library(corvane_app app
  SOURCES CCorvaneApp.cpp CCorvaneDlg.cpp CCorvaneDlgButtons.cpp CCorvaneDlgDevice.cpp CCorvaneDlgMacros.cpp
          CCorvaneDlgProfileActions.cpp CCorvaneDlgProfiles.cpp CCorvaneDlgSettings.cpp CCorvaneDlgSettingsDpi.cpp
          CCorvaneDlgSettingsLighting.cpp CCorvaneDlgTools.cpp CollectUiIntoProfile.cpp SettingsSliderReport.cpp
          CCorvaneDlgTimers.cpp CCorvaneDlgTray.cpp COSDDialog.cpp Gallery.cpp GalleryCanvas.cpp
          GalleryAutoSwitch.cpp GalleryContext.cpp GalleryControls.cpp GalleryDialogs.cpp GalleryMainWindow.cpp
          GalleryPopups.cpp GallerySink.cpp GalleryTray.cpp
          MainWindowControls.cpp MainWindowLayout.cpp MainWindowPreview.cpp MainWindowSections.cpp
          CCorvaneDlgAutoSwitch.cpp ShowCurrentProfile.cpp SimulatedMouseClock.cpp SimulatedMouseStatus.cpp
          SimulatedMouseWindow.cpp
          TrayBatteryIcon.cpp
  LINKS corvane_dialogs corvane_platform corvane_platform_qt)

foreach(layer corvane_skin corvane_widgets corvane_dialogs corvane_app)
  corvane_precompile(${layer} ${CORVANE_PCH_STD} ${CORVANE_PCH_QT})
endforeach()

add_executable(corvane ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
target_link_libraries(corvane PRIVATE corvane_app)

# The skin files beside the executables, and the program's own pictures compiled into
# the toolkit as Qt resources (":/corvane/res/<id>.png", see SkinFiles.h).
include(${CMAKE_SOURCE_DIR}/cmake/Skins.cmake)
set_source_files_properties(${SKIN_RES_PATHS} PROPERTIES GENERATED TRUE)
qt_add_resources(corvane_skin "corvane_images"
  PREFIX "/corvane/res"
  BASE ${SKIN_RES_DIR}
  FILES ${SKIN_RES_PATHS})
add_dependencies(corvane_skin skins)

# tests/skin/GuiTestMain.cpp provides main() with the QApplication every GUI test needs.
set(GUI_TEST_SOURCES "")
foreach(folder skin widgets dialogs app)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp)
  list(APPEND GUI_TEST_SOURCES ${sources})
endforeach()
add_executable(corvane_gui_tests ${GUI_TEST_SOURCES})
target_link_libraries(corvane_gui_tests PRIVATE corvane_app corvane_test_support Qt6::Test)
corvane_precompile(corvane_gui_tests <gtest/gtest.h> <QApplication> <QLineEdit> <QTest> ${CORVANE_PCH_STD}
                   ${CORVANE_PCH_QT})
add_dependencies(corvane_gui_tests skins corvane)
# The program itself is started by tests/app/CorvaneProgramTest.cpp (under Xvfb).
target_compile_definitions(corvane_gui_tests PRIVATE CORVANE_PATH="$<TARGET_FILE:corvane>")
gtest_discover_tests(corvane_gui_tests DISCOVERY_TIMEOUT 60
  PROPERTIES LABELS gui ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
