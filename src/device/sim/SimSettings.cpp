#include "device/sim/SimSettings.h"

#include "settings/SensorTables.h"

namespace corvane {
namespace {

// Buttons 0, 1, 2, 4, 3, 5, 6 of the default profile: left, right, middle, back, forward,
// DPI cycle, profile switch.
constexpr std::array<std::uint8_t, kSimButtonCount * 3> kFactoryButtons{
    0x10, 0x01, 0x00, 0x10, 0x02, 0x00, 0x10, 0x04, 0x00, 0x10, 0x08, 0x00,
    0x10, 0x10, 0x00, 0x40, 0x01, 0x00, 0x60, 0x04, 0x00,
};

constexpr std::array<std::uint8_t, kSimDpiLevels * 3> kFactoryDpiColours{
    0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xA5, 0x00,
    0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
};

// Effect 1, brightness 100 %, speed 2, direction 1, colour red.
constexpr std::array<std::uint8_t, 7> kFactoryLighting{0xFF, 0x01, 0x42, 0x01, 0xFF, 0x00, 0x00};

}  // namespace

std::optional<SimSensorModel> SimSensorOfLetter(std::uint8_t letter) {
  for (const auto& m : kSimSensorModels) {
    if (m.letter == letter) return m;
  }
  return std::nullopt;
}

SimSettings FactorySettings(std::uint8_t sensorLetter) {
  SimSettings s;
  s.buttons = kFactoryButtons;
  s.dpiLevel = 2;
  s.dpiMask = 0x3F;
  const SimSensorModel model = SimSensorOfLetter(sensorLetter).value_or(*SimSensorOfLetter(kSimDefaultSensorLetter));
  DpiStepTables tables;
  tables.SensorId = model.sensorId;
  BuildDpiStepTables(tables);
  for (std::size_t i = 0; i < kSimDpiCodeLevels; ++i) {
    const std::uint16_t code = DpiCodeOfStep(tables, StepOfDpi(tables, model.factoryDpi[i]));
    s.dpiX[i] = code;
    s.dpiY[i] = code;
  }
  s.dpiColours = kFactoryDpiColours;
  s.pollingCode = 0x01;  // 1000 Hz
  s.liftOff = 2;
  s.debounce = 2;
  for (std::size_t i = 0; i < kFactoryLighting.size(); ++i) s.lighting[i] = kFactoryLighting[i];
  s.power = {1, 1, 0};
  s.sensorOptions = {0, 1, 0};
  return s;
}

}  // namespace corvane
