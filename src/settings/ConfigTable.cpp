#include "settings/ConfigTable.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <string_view>

#include "base/DataFolder.h"
#include "base/TextUtil.h"

namespace corvane {
namespace {

struct DefaultPair {
  std::u16string_view Key;
  std::u16string_view Value;
};

constexpr std::array<DefaultPair, kConfigPairCount> kDefaultConfig{{
    {u"NeedPassword", u"0"},
    {u"Sensor", u"0x3311"},
    {u"PreST", u"0xCCEE"},
    {u"Mac_ID", u"0xFFFFFFFF"},
    {u"DataChange", u"0x1234"},
    {u"CurrentProfile", u"0"},
    {u"ProfileShowCount", u"3"},
    {u"ProfileShowList0", u"0"},
    {u"ProfileShowList1", u"1"},
    {u"ProfileShowList2", u"2"},
    {u"ProfileShowList3", u"3"},
    {u"ProfileShowList4", u"4"},
    {u"ProfileSlot0URL", u"config\\default0.psf"},
    {u"ProfileSlot1URL", u"config\\default1.psf"},
    {u"ProfileSlot2URL", u"config\\default2.psf"},
    {u"ProfileSlot3URL", u"config\\default3.psf"},
    {u"ProfileSlot4URL", u"config\\default4.psf"},
}};

int Decimal(const std::u16string& text) { return static_cast<int>(ParseLong(text, 10)); }
std::uint16_t Hex16(const std::u16string& text) { return static_cast<std::uint16_t>(ParseLong(text, 16) & 0xFFFF); }

}  // namespace

void ConfigTable::ConfigDefaults() {
  for (std::size_t i = 0; i < Pairs.size(); ++i) {
    Pairs[i] = {std::u16string(kDefaultConfig[i].Key), std::u16string(kDefaultConfig[i].Value)};
  }
}

std::u16string ConfigTable::GetConfigText(int i, int part) const {
  if (i < 0 || i >= kConfigPairCount) return {};
  const SettingPair& pair = Pairs[static_cast<std::size_t>(i)];
  return part == 0 ? pair.Key : pair.Value;
}

int ConfigTable::GetCurrentProfile() const { return Decimal(Pairs[kConfigCurrentProfile].Value); }
void ConfigTable::SetCurrentProfile(int n) { Pairs[kConfigCurrentProfile].Value = FormatDecimal(n); }

int ConfigTable::CurrentProfileSlot() const {
  const int p = GetCurrentProfile();
  return p >= 0 && p < kProfileShowPositions ? p : 0;
}

int ConfigTable::GetProfileShowCount() const { return Decimal(Pairs[kConfigProfileShowCount].Value); }
void ConfigTable::SetProfileShowCount(int n) { Pairs[kConfigProfileShowCount].Value = FormatDecimal(n); }

int ConfigTable::GetProfileShowList(int i) const {
  if (i < 0 || i >= kProfileShowPositions) return -1;
  return Decimal(Pairs[static_cast<std::size_t>(kConfigProfileShowList0 + i)].Value);
}

void ConfigTable::SetProfileShowList(int i, int n) {
  if (i < 0 || i >= kProfileShowPositions) return;
  Pairs[static_cast<std::size_t>(kConfigProfileShowList0 + i)].Value = FormatDecimal(n);
}

int ConfigTable::ShownPositions() const { return std::clamp(GetProfileShowCount(), 0, kProfileShowPositions); }

int ConfigTable::FirstHiddenProfile() const {
  const int count = GetProfileShowCount();
  if (count < 0 || count >= kProfileShowPositions) return -1;
  const int p = GetProfileShowList(count);
  return p >= 0 && p < kProfileShowPositions ? p : -1;
}

void ConfigTable::ShowNextProfile() { SetProfileShowCount(GetProfileShowCount() + 1); }

bool ConfigTable::HideProfile(int p) {
  const int shown = ShownPositions();
  int at = 0;
  while (at < shown && GetProfileShowList(at) != p) ++at;
  if (at == shown) return false;
  for (int i = at; i + 1 < kProfileShowPositions; ++i) SetProfileShowList(i, GetProfileShowList(i + 1));
  SetProfileShowList(kProfileShowPositions - 1, p);
  SetProfileShowCount(GetProfileShowCount() - 1);
  return true;
}

void ConfigTable::SetConfigSensor(std::uint16_t sensorId) { Pairs[kConfigSensor].Value = FormatHex4(sensorId); }
void ConfigTable::SetConfigPreST(unsigned v) { Pairs[kConfigPreST].Value = FormatHex4(v & 0xFFFF); }
std::uint16_t ConfigTable::ConfigSensor() const { return Hex16(Pairs[kConfigSensor].Value); }
std::uint16_t ConfigTable::ConfigPreST() const { return Hex16(Pairs[kConfigPreST].Value); }
long ConfigTable::ConfigNeedPassword() const { return ParseLong(GetConfigText(kConfigNeedPassword, 1)); }

std::u16string ConfigTable::ProfileSlotText(int p) const {
  if (p < 0 || p >= kProfileShowPositions) return {};
  return Pairs[static_cast<std::size_t>(kConfigProfileSlot0URL + p)].Value;
}

std::filesystem::path ConfigFilePath(const std::filesystem::path& dataFolder) {
  return ResolveDataPath(dataFolder, u"config\\config.ini");
}

std::filesystem::path ProfileSlotPath(const SettingsStore& settings, int p) {
  return ResolveDataPath(settings.DataFolder, settings.Config.ProfileSlotText(p));
}

}  // namespace corvane
