#pragma once
// The main window's control ids. The window's message map, the layout tables and the
// tests name the controls by these constants; the numbers are the ones the controls
// report with.
namespace corvane::mainwnd {

// Header strip.
constexpr unsigned kClose = 2001;
constexpr unsigned kMinimise = 2002;
constexpr unsigned kHide = 2048;
constexpr unsigned kLogo = 3503;
constexpr unsigned kLinkWarning = 3024;
constexpr unsigned kBatteryText = 3405;
constexpr unsigned kBattery = 3406;
constexpr unsigned kAutoSwitch = 3740;  // opens the per-application profiles

// Power saving.
constexpr unsigned kPowerDial = 3500;
constexpr unsigned kMoveLighting = 3501;
constexpr unsigned kMotionWakeup = 3504;
constexpr unsigned kSleepSlider = 3533;
constexpr unsigned kSleepLabel = 3407;
constexpr unsigned kLightsOffSlider = 3535;
constexpr unsigned kLightsOffLabel = 3537;

// Profiles: tab of slot s is kProfileTabFirst + s.
constexpr unsigned kProfileTabFirst = 2049;
constexpr unsigned kProfileList = 3502;
constexpr unsigned kProfileRename = 2068;
constexpr unsigned kProfileExport = 2069;
constexpr unsigned kProfileImport = 2070;
constexpr unsigned kProfileAdd = 2071;

// Button combos: button i is kButtonComboFirst + i; 2020 and 2021 are bound to no button.
constexpr unsigned kButtonComboFirst = 2013;
constexpr unsigned kSpareComboFirst = 2020;
constexpr unsigned kButtonComboMessage = 1028;

// Tools.
constexpr unsigned kApply = 2047;
constexpr unsigned kMacros = 2062;
constexpr unsigned kFactoryReset = 2045;
constexpr unsigned kPairing = 2054;
constexpr unsigned kFirmware = 2055;
constexpr unsigned kSystemMouseSettings = 3330;

// Section headers.
constexpr unsigned kHeaderDpi = 3001;
constexpr unsigned kHeaderLighting = 3002;
constexpr unsigned kHeaderPointer = 3003;
constexpr unsigned kHeaderPolling = 3004;
constexpr unsigned kHeaderLiftOff = 3011;
constexpr unsigned kHeaderDebounce = 3012;
constexpr unsigned kHeaderPairing = 3013;
constexpr unsigned kHeaderSensor = 3014;
constexpr unsigned kHeaderFirmware = 3015;

// DPI levels: level k is first + k.
constexpr unsigned kDpiEnableFirst = 3260;
constexpr unsigned kDpiColourFirst = 3270;
constexpr unsigned kDpiSliderFirst = 3280;
constexpr unsigned kDpiRadioFirst = 3290;
constexpr unsigned kDpiValueFirst = 3300;

// Lighting.
constexpr unsigned kLightingMode = 3120;
constexpr unsigned kLightingModeMessage = 1144;
constexpr unsigned kLightingSlotFirst = 3180;  // 3180..3187
constexpr unsigned kLightingSpeed = 3200;
constexpr unsigned kLightingSpeedLabel = 3210;
constexpr unsigned kLightingBrightness = 3220;
constexpr unsigned kLightingBrightnessLabel = 3230;
constexpr unsigned kLightingForward = 3240;
constexpr unsigned kLightingReverse = 3250;
constexpr unsigned kLightingSlotsCaption = 3618;

// Polling rate: the picture group 3030..3033 (125..1000 Hz), the plain group 3034..3040
// (125..8000 Hz) and the drop-down.
constexpr unsigned kPollingImageFirst = 3030;
constexpr unsigned kPollingRadioFirst = 3034;
constexpr unsigned kPollingCombo = 3110;
constexpr unsigned kPollingComboMessage = 1134;

// Lift-off, debounce, sensor options.
constexpr unsigned kLiftLow = 3510;
constexpr unsigned kLiftHigh = 3511;
constexpr unsigned kDebounceSlider = 3530;
constexpr unsigned kDebounceLabel = 3532;
constexpr unsigned kAngleSnap = 3540;
constexpr unsigned kMotionSync = 3541;
constexpr unsigned kRippleControl = 3542;

// Pointer.
constexpr unsigned kScrollLines = 2009;
constexpr unsigned kScrollPage = 2010;
constexpr unsigned kAcceleration = 2030;
constexpr unsigned kScrollSpeed = 2041;
constexpr unsigned kTiltSpeed = 2042;
constexpr unsigned kPointerSpeed = 2043;
constexpr unsigned kDoubleClickSpeed = 2044;
constexpr unsigned kPointerSpeedLabel = 3130;
constexpr unsigned kScrollSpeedLabel = 3131;
constexpr unsigned kDoubleClickLabel = 3132;
constexpr unsigned kTiltSpeedLabel = 3133;

// Captions, slider tracks and pictures that only decorate: they never report anything,
// so their ids are only there to find them.
constexpr unsigned kDecorFirst = 3600;
constexpr unsigned kDecorLast = 3799;

}  // namespace corvane::mainwnd
