#pragma once
// What each entry of the language files is for. Code may address an entry by its number or by
// the name below (ctx.Language.Text(kTextTrayExit)); the shipped files res/lang/Lan_EN.txt and
// res/lang/Lan.txt carry a text for every entry listed here and for no other.

namespace corvane {

enum LanguageEntry : int {
  kTextLanguageName = 0,  // "中文" selects the Chinese font and macro manager layout

  // Tray menu and main window title.
  kTextTrayShow = 1,  // tray item 2075
  kTextTrayExit = 2,  // tray item 2076
  kTextMainTitle = 3,

  // Captions of the secondary dialogs' buttons 2010 and 2011.
  kTextOk = 4,
  kTextCancel = 5,

  // Main window controls.
  kTextLightOnMovement = 6,  // check 3501, MoveLightingOnOffMode
  kTextMotionWakeup = 7,     // check 3504
  kTextApply = 8,            // 2047
  kTextMacroManager = 9,     // 2062
  kTextProfileListHeader = 10,  // header row of CComboProfilePopup
  kTextFactoryReset = 11,    // 2045
  kTextPair = 12,            // 2054
  kTextUpdateFirmware = 13,  // 2055
  kTextProfileAdd = 14,      // 2071
  kTextProfileRename = 15,   // 2068
  kTextProfileImport = 16,   // 2070
  kTextProfileExport = 17,   // 2069
  kTextSystemMouseSettings = 18,  // 3330
  kTextWebsite = 19,         // 3503

  // Button-assignment menu (CComboPopup); 20-24, 33 and 42 are also default button names.
  kTextLeftClick = 20,
  kTextRightClick = 21,
  kTextMiddleClick = 22,
  kTextForward = 23,  // 10 10 00
  kTextBack = 24,     // 10 08 00
  kTextDpiMenu = 25,
  kTextFireKeyCustom = 26,  // opens the fire-key dialog; its result drops a trailing "+"
  kTextTripleFire = 27,     // 30 32 03
  kTextMacro = 28,
  kTextKeyCombination = 29,
  kTextMultimedia = 30,
  kTextOffice = 31,
  kTextWindowControl = 32,
  kTextProfileSwitch = 33,  // 60 04 00
  kTextDisable = 34,
  kTextDpiLock = 36,  // also the prefix of a DPI-lock label ("DPI Lock-800")
  kTextQuickLaunch = 39,

  // DPI submenu (CDPIPopup), 40 02 00 / 40 03 00 / 40 01 00.
  kTextDpiUp = 40,
  kTextDpiDown = 41,
  kTextDpiCycle = 42,
  kTextDpiShift = 43,

  // Multimedia submenu items 1-10 (45-54), office items 1-9 (60-68), window control items
  // 1-6 (75-80), in menu order; 55, 69 and 81 are spare captions of the same menus.
  kTextMultimediaFirst = 45,
  kTextOfficeFirst = 60,
  kTextWindowControlFirst = 75,

  // Default names of profiles 0-4.
  kTextProfileNameFirst = 85,

  // Profile menu (CProfileRKeyPopup) items 1-4: import, export, rename, delete; 94 add.
  kTextProfileMenuFirst = 90,

  // Lighting effects: mode m (1..9) is entry 99 + m; 109 names mode 0 and any other mode.
  kTextLightingFirst = 100,
  kTextLightingOff = 109,

  // Main window section headers.
  kTextSectionDpi = 120,           // 3001
  kTextSectionLighting = 121,      // 3002
  kTextSectionPointer = 122,       // 3003
  kTextSectionPolling = 123,       // 3004
  kTextSectionLiftOff = 130,       // 3011
  kTextSectionDebounce = 131,      // 3012
  kTextSectionSensor = 132,        // 3014
  kTextSectionPairing = 133,       // 3013
  kTextSectionFirmware = 134,      // 3015
  kTextSectionPower = 135,

  // Messages and titles of the main window and its dialogs.
  kTextResetConfirm = 140,
  kTextAddProfileTitle = 141,
  kTextImportProfileTitle = 142,
  kTextExportProfileTitle = 143,
  kTextEditProfileTitle = 144,
  kTextProfileLimit = 145,
  kTextProgressTitle = 146,
  kTextNameEmpty = 147,
  kTextAttentionTitle = 150,
  kTextLeftClickRestored = 151,
  kTextCannotDeleteCurrent = 152,
  kTextNeedOneColour = 153,
  kTextNeedTwoColours = 154,
  kTextNoDeviceFound = 155,
  kTextDeviceNotConnected = 156,

  // Fire key, quick launch and key combination dialogs.
  kTextFireKeyTitle = 170,
  kTextFireInterval = 171,
  kTextFireCount = 172,
  kTextFireNote = 173,
  kTextFireIntervalRange = 174,
  kTextDigitsOnly = 175,
  kTextFireCountRange = 176,
  kTextShortcutTitle = 180,
  kTextShortcutKeyOnly = 181,  // check 2005: the key without modifiers
  kTextQuickLaunchTitle = 289,

  // Macro manager and macro picker.
  kTextFixedDelay = 189,     // label of 2019
  kTextMacroPrefix = 190,    // followed by the macro's name on a button
  kTextMacroTree = 191,
  kTextMacroSteps = 192,
  kTextRecordDelays = 193,   // label of 2017
  kTextLoopWhileHeld = 194,  // playback mode 1
  kTextLoopToggle = 195,     // playback mode 4
  kTextLoopCount = 196,      // playback mode 2
  kTextInsertStep = 197,
  kTextRecord = 198,
  kTextStopRecording = 199,
  kTextNew = 200,  // new macro; also the last row of CComboProfilePopup
  kTextEdit = 201,
  kTextDelete = 202,
  kTextMacroOk = 203,
  kTextMacroCancel = 204,
  kTextInsertDelay = 205,  // CComboActionInsertPopup items 4-9: 205-210
  kTextInsertKey = 206,
  kTextInsertMoveLeft = 207,
  kTextInsertMoveRight = 208,
  kTextInsertMoveUp = 209,
  kTextInsertMoveDown = 210,
  kTextSelectMacroTitle = 211,

  // Macro step and name dialogs.
  kTextDelayTitle = 220,
  kTextKeyTitle = 221,
  kTextMoveLeftTitle = 222,
  kTextMoveRightTitle = 223,
  kTextMoveUpTitle = 224,
  kTextMoveDownTitle = 225,
  kTextRenameTitle = 238,
  kTextNewMacroTitle = 239,
  kTextNewFolderTitle = 243,

  // Macro manager messages.
  kTextDeleteConfirm = 232,
  kTextSelectNodeFirst = 233,
  kTextSelectMacroFirst = 234,
  kTextRecordingFull = 235,
  kTextInsertNeedsMacro = 236,
  kTextMacroFull = 237,
  kTextNameInUse = 241,
  kTextNodeNameEmpty = 242,
  kTextMacroInUse = 257,
  kTextRecordingNeedsFocus = 258,  // said once where the hook sees the program's own keys only

  // Macro context menu (CMacroListPopup): action c is entry 245 + c (c = 0..7).
  kTextMacroMenuFirst = 245,

  // Macro file dialogs.
  kTextExportMacroTitle = 253,
  kTextImportMacroTitle = 254,
  kTextExportLibraryTitle = 255,
  kTextImportLibraryTitle = 256,

  // Main window settings. A sleep label reads 266 + minutes + 267, a lights-off label
  // 269 + minutes + 267.
  kTextLightingEffect = 260,
  kTextLightingSpeed = 261,
  kTextLightingBrightness = 262,
  kTextLightingDirection = 263,
  kTextDirectionNormal = 264,   // radio 3240
  kTextDirectionReverse = 265,  // radio 3250
  kTextSleepAfter = 266,
  kTextMinutes = 267,
  kTextLightingColours = 268,
  kTextLightsOffAfter = 269,
  kTextPointerSpeed = 270,      // slider 2043
  kTextDoubleClickSpeed = 271,  // slider 2044
  kTextScrollSpeed = 272,       // slider 2041
  kTextDpiValueTitle = 273,
  kTextAcceleration = 274,      // check 2030
  kTextScrollLines = 275,       // radio 2009
  kTextScrollPage = 276,        // radio 2010
  kTextLiftOffLow = 284,        // radio 3510
  kTextLiftOffHigh = 285,       // radio 3511
  kTextAngleSnap = 286,         // check 3540
  kTextMotionSync = 287,        // check 3541
  kTextRippleControl = 288,     // check 3542
  kTextReceiverNotLinked = 290, // warning text 3024
  kTextWiredMouseNeeded = 291,

  // Receiver pairing.
  kTextPairingStart = 277,
  kTextPairingPhase0 = 278,  // 278-280 animate while waiting
  kTextPairingFailed = 281,
  kTextPairingSucceeded = 282,
  kTextPairingHint = 283,

  // Firmware update.
  kTextFwNotSupported = 292,
  kTextFwUpToDate = 293,
  kTextFwLoaderProgress = 295,  // followed by "(step/total)"
  kTextFwLoaderWriteFailed = 296,
  kTextFwLoaderVerify = 297,    // followed by "(block/total)"
  kTextFwLoaderVerifyFailed = 298,
  kTextFwErasing = 299,
  kTextFwWriting = 300,
  kTextFwWriteFailed = 301,
  kTextFwTailWriteFailed = 302,
  kTextFwVerifying = 303,
  kTextFwRestarting = 304,
  kTextFwReconnecting = 305,
  kTextFwWaiting = 306,
  kTextFwVerifyFailed = 307,
  kTextFwChecksumDiffers = 308,

  // Launch targets of an imported profile, tools and uploads the mouse did not take.
  kTextLaunchTargetsFound = 310,
  kTextLaunchTargetsKeep = 311,
  kTextMouseSettingsMissing = 312,
  kTextResetNotTaken = 313,
  kTextUploadNotTaken = 314,

  // Pointer settings.
  kTextTiltSpeed = 320,  // caption of slider 2042

  // Tray icon: tool tip and the low-battery notification.
  kTextTrayCable = 470,
  kTextTrayReceiver = 471,
  kTextTrayBluetooth = 472,
  kTextTrayNoMouse = 473,
  kTextTrayProfile = 474,  // followed by the profile's name
  kTextTrayBattery = 475,  // followed by "50 %"
  kTextTrayCharging = 476,
  kTextTrayCharged = 477,
  kTextBatteryLowTitle = 478,
  kTextBatteryLowHint = 479,

  // Per-application profiles dialog.
  kTextAutoSwitchTitle = 480,
  kTextAutoSwitchPick = 481,
  kTextAutoSwitchWayland = 482,
  kTextAutoSwitchApplication = 483,
  kTextAutoSwitchProfile = 484,
  kTextAutoSwitchAdd = 485,
  kTextAutoSwitchRemove = 486,
  kTextAutoSwitchDefault = 487,
  kTextAutoSwitchPicking = 488,
  kTextAutoSwitchSaveFailed = 489,
  kTextAutoSwitchButton = 490,  // the main window's header control
};

}  // namespace corvane
