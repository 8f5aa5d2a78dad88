#include "device/sim/SimStateFile.h"

#include <algorithm>
#include <array>
#include <limits>

#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"

namespace corvane {
namespace {

constexpr std::u16string_view kHeader = u"CorvaneSimState=1";
constexpr std::u16string_view kMacroKey = u"Macro";
constexpr std::u16string_view kFlashKey = u"Flash";
constexpr char16_t kFillMark = u'*';  // a sector holding one byte value throughout
constexpr char16_t kMacroSeparator = u':';

// ---- text forms --------------------------------------------------------------------

std::u16string Hex(std::span<const std::uint8_t> bytes) {
  std::u16string out;
  out.reserve(bytes.size() * 2);
  for (std::uint8_t b : bytes) AppendHexDigits(out, b, 2);
  return out;
}

std::u16string Dec(std::uint64_t v) {
  std::u16string out;
  do {
    out.insert(out.begin(), static_cast<char16_t>(u'0' + v % 10));
    v /= 10;
  } while (v != 0);
  return out;
}

// Exactly 2 x out.size() hexadecimal digits.
bool ParseHex(std::u16string_view text, std::span<std::uint8_t> out) {
  if (text.size() != out.size() * 2) return false;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const int hi = HexDigitValue(text[2 * i]);
    const int lo = HexDigitValue(text[2 * i + 1]);
    if (hi < 0 || lo < 0) return false;
    out[i] = static_cast<std::uint8_t>(hi << 4 | lo);
  }
  return true;
}

// Decimal digits only, at most max.
bool ParseDec(std::u16string_view text, std::uint64_t max, std::uint64_t& value) {
  if (text.empty() || text.size() > 20) return false;
  value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return false;
    const std::uint64_t d = static_cast<std::uint64_t>(c - u'0');
    if (d > max || value > (max - d) / 10) return false;
    value = value * 10 + d;
  }
  return true;
}

template <typename T>
bool LoadDec(std::u16string_view text, T& to, std::uint64_t max = std::numeric_limits<T>::max()) {
  std::uint64_t v = 0;
  if (!ParseDec(text, max, v)) return false;
  to = static_cast<T>(v);
  return true;
}

bool LoadBool(std::u16string_view text, bool& to) {
  std::uint8_t v = 0;
  if (!LoadDec(text, v, 1)) return false;
  to = v != 0;
  return true;
}

template <std::size_t N>
std::u16string HexWords(const std::array<std::uint16_t, N>& words) {
  std::array<std::uint8_t, N * 2> bytes{};
  for (std::size_t i = 0; i < N; ++i) {
    bytes[2 * i] = static_cast<std::uint8_t>(words[i]);
    bytes[2 * i + 1] = static_cast<std::uint8_t>(words[i] >> 8);
  }
  return Hex(bytes);
}

template <std::size_t N>
bool LoadHexWords(std::u16string_view text, std::array<std::uint16_t, N>& words) {
  std::array<std::uint8_t, N * 2> bytes{};
  if (!ParseHex(text, bytes)) return false;
  for (std::size_t i = 0; i < N; ++i) words[i] = static_cast<std::uint16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
  return true;
}

// ---- the fields ----------------------------------------------------------------------

struct Field {
  std::u16string_view key;
  std::u16string (*save)(const SimState& s);
  bool (*load)(SimState& s, std::u16string_view text);
};

const std::array<Field, 36> kFields{{
    {u"Buttons", [](const SimState& s) { return Hex(s.mouse.settings.buttons); },
     [](SimState& s, std::u16string_view t) { return ParseHex(t, s.mouse.settings.buttons); }},
    {u"DpiLevel", [](const SimState& s) { return Dec(s.mouse.settings.dpiLevel); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.mouse.settings.dpiLevel, 7); }},
    {u"DpiMask", [](const SimState& s) { return Dec(s.mouse.settings.dpiMask); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.mouse.settings.dpiMask); }},
    {u"DpiX", [](const SimState& s) { return HexWords(s.mouse.settings.dpiX); },
     [](SimState& s, std::u16string_view t) { return LoadHexWords(t, s.mouse.settings.dpiX); }},
    {u"DpiY", [](const SimState& s) { return HexWords(s.mouse.settings.dpiY); },
     [](SimState& s, std::u16string_view t) { return LoadHexWords(t, s.mouse.settings.dpiY); }},
    {u"DpiColours", [](const SimState& s) { return Hex(s.mouse.settings.dpiColours); },
     [](SimState& s, std::u16string_view t) { return ParseHex(t, s.mouse.settings.dpiColours); }},
    {u"Polling", [](const SimState& s) { return Dec(s.mouse.settings.pollingCode); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.mouse.settings.pollingCode); }},
    {u"LiftOff", [](const SimState& s) { return Dec(s.mouse.settings.liftOff); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.mouse.settings.liftOff); }},
    {u"Debounce", [](const SimState& s) { return Dec(s.mouse.settings.debounce); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.mouse.settings.debounce); }},
    {u"Lighting", [](const SimState& s) { return Hex(s.mouse.settings.lighting); },
     [](SimState& s, std::u16string_view t) { return ParseHex(t, s.mouse.settings.lighting); }},
    {u"Power", [](const SimState& s) { return Hex(s.mouse.settings.power); },
     [](SimState& s, std::u16string_view t) { return ParseHex(t, s.mouse.settings.power); }},
    {u"SensorOptions", [](const SimState& s) { return Hex(s.mouse.settings.sensorOptions); },
     [](SimState& s, std::u16string_view t) { return ParseHex(t, s.mouse.settings.sensorOptions); }},
    {u"SensorLetter", [](const SimState& s) { return Dec(s.mouse.sensorLetter); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.mouse.sensorLetter); }},
    {u"Battery", [](const SimState& s) { return Dec(s.mouse.battery); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.mouse.battery, 100); }},
    {u"Charge", [](const SimState& s) { return Dec(s.mouse.charge); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.mouse.charge); }},
    {u"Linked", [](const SimState& s) { return Dec(s.receiver.linked); },
     [](SimState& s, std::u16string_view t) { return LoadBool(t, s.receiver.linked); }},
    {u"Pairing", [](const SimState& s) { return Dec(s.receiver.pairing); },
     [](SimState& s, std::u16string_view t) { return LoadBool(t, s.receiver.pairing); }},
    {u"PairingFindsMouse", [](const SimState& s) { return Dec(s.receiver.pairingFindsMouse); },
     [](SimState& s, std::u16string_view t) { return LoadBool(t, s.receiver.pairingFindsMouse); }},
    {u"PairingLeftMs", [](const SimState& s) { return Dec(s.receiver.pairingLeftMs); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.receiver.pairingLeftMs); }},
    {u"WiredVersion", [](const SimState& s) { return Dec(s.wiredVersion); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.wiredVersion); }},
    {u"ApplicationEnd", [](const SimState& s) { return Dec(s.firmware.applicationEnd); },
     [](SimState& s, std::u16string_view t) {
       return LoadDec(t, s.firmware.applicationEnd, SimFlashAreas::kApplicationEnd) &&
              s.firmware.applicationEnd >= SimFlashAreas::kApplicationStart;
     }},
    {u"FaultNoAck", [](const SimState& s) { return Dec(s.faults.noAck); },
     [](SimState& s, std::u16string_view t) { return LoadBool(t, s.faults.noAck); }},
    {u"FaultAckAfterAttempts", [](const SimState& s) { return Dec(s.faults.ackAfterAttempts); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.faults.ackAfterAttempts); }},
    {u"FaultRejectWrites", [](const SimState& s) { return Dec(s.faults.rejectWrites); },
     [](SimState& s, std::u16string_view t) { return LoadBool(t, s.faults.rejectWrites); }},
    {u"FaultUnplugAtFrame", [](const SimState& s) { return Dec(s.faults.unplugAtFrame); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.faults.unplugAtFrame); }},
    {u"FaultGarbageReports", [](const SimState& s) { return Dec(s.faults.garbageReports); },
     [](SimState& s, std::u16string_view t) { return LoadBool(t, s.faults.garbageReports); }},
    // The file holds fwRejectWrites + 1, so that "always" (-1) is written as 0.
    {u"FaultFwRejectWrites", [](const SimState& s) { return Dec(static_cast<std::uint64_t>(s.faults.fwRejectWrites + 1)); },
     [](SimState& s, std::u16string_view t) {
       std::uint32_t v = 0;
       if (!LoadDec(t, v, static_cast<std::uint64_t>(std::numeric_limits<int>::max()))) return false;
       s.faults.fwRejectWrites = static_cast<int>(v) - 1;
       return true;
     }},
    {u"FaultFwRejectFrom", [](const SimState& s) { return Dec(s.faults.fwRejectFrom); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.faults.fwRejectFrom); }},
    {u"FaultFwCorruptReadBack", [](const SimState& s) { return Dec(s.faults.fwCorruptReadBack); },
     [](SimState& s, std::u16string_view t) { return LoadBool(t, s.faults.fwCorruptReadBack); }},
    {u"FaultFwChecksumStuck", [](const SimState& s) { return Dec(s.faults.fwChecksumStuck); },
     [](SimState& s, std::u16string_view t) { return LoadBool(t, s.faults.fwChecksumStuck); }},
    {u"FaultFwSilentFromFrame", [](const SimState& s) { return Dec(s.faults.fwSilentFromFrame); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.faults.fwSilentFromFrame); }},
    {u"FaultPairingFails", [](const SimState& s) { return Dec(s.faults.pairingFails); },
     [](SimState& s, std::u16string_view t) { return LoadBool(t, s.faults.pairingFails); }},
    {u"FaultNoAckAtFrame", [](const SimState& s) { return Dec(s.faults.noAckAtFrame); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.faults.noAckAtFrame); }},
    {u"FaultGarbageRepliesFromFrame", [](const SimState& s) { return Dec(s.faults.garbageRepliesFromFrame); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.faults.garbageRepliesFromFrame); }},
    {u"FaultRepliesLostFromFrame", [](const SimState& s) { return Dec(s.faults.repliesLostFromFrame); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.faults.repliesLostFromFrame); }},
    {u"FaultReceiverLeavesPairingAfterMs", [](const SimState& s) { return Dec(s.faults.receiverLeavesPairingAfterMs); },
     [](SimState& s, std::u16string_view t) { return LoadDec(t, s.faults.receiverLeavesPairingAfterMs); }},
}};

// ---- macro slots: "packets:receivedMask:bytes" ------------------------------------------

std::u16string SaveMacroSlot(const SimMacroSlot& slot) {
  std::u16string v = Dec(slot.packets);
  v.push_back(kMacroSeparator);
  v += Dec(slot.receivedMask);
  v.push_back(kMacroSeparator);
  v += Hex(slot.Bytes());
  return v;
}

bool LoadMacroSlot(std::u16string_view text, SimMacroSlot& slot) {
  const std::size_t a = text.find(kMacroSeparator);
  const std::size_t b = a == std::u16string_view::npos ? a : text.find(kMacroSeparator, a + 1);
  if (b == std::u16string_view::npos) return false;
  SimMacroSlot s;
  if (!LoadDec(text.substr(0, a), s.packets, kSimMacroMaxPackets) || s.packets == 0) return false;
  if (!LoadDec(text.substr(a + 1, b - a - 1), s.receivedMask, (1u << s.packets) - 1)) return false;
  const std::u16string_view hex = text.substr(b + 1);
  if (hex.size() % 2 != 0 || hex.size() / 2 > kSimMacroSlotBytes) return false;
  s.length = static_cast<std::uint16_t>(hex.size() / 2);
  if (!ParseHex(hex, std::span<std::uint8_t>(s.data).first(s.length))) return false;
  slot = s;
  return true;
}

// ---- flash sectors: the ones that differ from the factory flash -----------------------

std::u16string SaveSector(std::span<const std::uint8_t> sector) {
  if (std::all_of(sector.begin(), sector.end(), [&](std::uint8_t b) { return b == sector[0]; })) {
    std::u16string v(1, kFillMark);
    AppendHexDigits(v, sector[0], 2);
    return v;
  }
  return Hex(sector);
}

bool LoadSector(std::u16string_view key, std::u16string_view text, SimFirmwareState& fw) {
  std::array<std::uint8_t, 3> address{};
  if (!ParseHex(key, address)) return false;
  const std::uint32_t at = std::uint32_t{address[0]} << 16 | std::uint32_t{address[1]} << 8 | address[2];
  if (at % kSimSectorSize != 0 || at >= kSimFlashSize) return false;
  std::vector<std::uint8_t> sector(kSimSectorSize);
  if (!text.empty() && text[0] == kFillMark) {
    std::array<std::uint8_t, 1> fill{};
    if (!ParseHex(text.substr(1), fill)) return false;
    std::fill(sector.begin(), sector.end(), fill[0]);
  } else if (!ParseHex(text, sector)) {
    return false;
  }
  return fw.flash.Replace(at, sector);
}

bool ApplyLine(std::u16string_view key, std::u16string_view value, SimState& s) {
  for (const auto& f : kFields) {
    if (f.key == key) return f.load(s, value);
  }
  if (key.starts_with(kMacroKey)) {
    std::uint8_t slot = 0;
    if (!LoadDec(key.substr(kMacroKey.size()), slot, kSimMacroSlots - 1) || slot == 0) return false;
    return LoadMacroSlot(value, s.mouse.macros.MutableSlot(slot));
  }
  if (key.starts_with(kFlashKey)) return LoadSector(key.substr(kFlashKey.size()), value, s.firmware);
  return true;  // a key of a later version: nothing of ours
}

}  // namespace

std::u16string SimStateText(const SimState& state) {
  std::u16string out(kHeader);
  out.push_back(u'\n');
  auto line = [&out](std::u16string_view key, std::u16string_view value) {
    out += key;
    out.push_back(u'=');
    out += value;
    out.push_back(u'\n');
  };
  for (const auto& f : kFields) line(f.key, f.save(state));
  for (std::size_t slot = 1; slot < kSimMacroSlots; ++slot) {
    const SimMacroSlot& m = state.mouse.macros.Slot(slot);
    if (!m.Empty()) line(std::u16string(kMacroKey) + Dec(slot), SaveMacroSlot(m));
  }
  const SimFirmwareState factory = FactoryFirmware();
  for (std::uint32_t at = 0; at < kSimFlashSize; at += kSimSectorSize) {
    const auto sector = state.firmware.flash.Range(at, at + kSimSectorSize);
    const auto reference = factory.flash.Range(at, at + kSimSectorSize);
    if (std::equal(sector.begin(), sector.end(), reference.begin())) continue;
    const std::array<std::uint8_t, 3> address{static_cast<std::uint8_t>(at >> 16), static_cast<std::uint8_t>(at >> 8),
                                              static_cast<std::uint8_t>(at)};
    line(std::u16string(kFlashKey) + Hex(address), SaveSector(sector));
  }
  return out;
}

bool ParseSimStateText(std::u16string_view text, SimState& state) {
  SimState parsed;
  bool first = true;
  while (!text.empty()) {
    const std::size_t lf = text.find(u'\n');
    std::u16string_view line = text.substr(0, lf);
    text = lf == std::u16string_view::npos ? std::u16string_view{} : text.substr(lf + 1);
    if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
    if (first) {
      if (line != kHeader) return false;
      first = false;
      continue;
    }
    if (line.empty()) continue;
    const std::size_t eq = line.find(u'=');
    if (eq == std::u16string_view::npos || !ApplyLine(line.substr(0, eq), line.substr(eq + 1), parsed)) return false;
  }
  if (first) return false;
  state = std::move(parsed);
  return true;
}

bool SaveSimState(const std::filesystem::path& path, const SimState& state) {
  UnicodeTextWriter w;
  w.Write(SimStateText(state));
  return w.Commit(path);
}

SimStateLoad LoadSimState(const std::filesystem::path& path, SimState& state) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    state = SimState{};
    return SimStateLoad::NoFile;
  }
  std::string bytes;
  UnicodeTextReader reader;
  std::u16string text;
  if (ReadFileBytes(path, bytes) && bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    reader.OpenBytes(bytes);
    std::u16string line;
    while (reader.ReadLine(line)) {
      text += line;
      if (line != u"\n") text.push_back(u'\n');
    }
    if (ParseSimStateText(text, state)) return SimStateLoad::Loaded;
  }
  state = SimState{};
  return SimStateLoad::Malformed;
}

}  // namespace corvane
