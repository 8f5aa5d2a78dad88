#include "app/MainWindowSections.h"

#include <algorithm>
#include <initializer_list>
#include <span>

namespace corvane {

using namespace mainwnd;

namespace {

// One header rule: when X opens and some other header of Keep is open, the first such
// one (Y) stays open with X, the rest of Keep and all of Close are closed. Without a Y,
// an open Fallback header closes FallbackClose.
struct HeaderRule {
  std::initializer_list<unsigned> Clicked;
  std::initializer_list<unsigned> Keep;
  std::initializer_list<unsigned> Close;
  unsigned Fallback;
  std::initializer_list<unsigned> FallbackClose;
};

const HeaderRule kHeaderRules[] = {
    // A section of the tall group: at most two of the group; the pointer section keeps
    // only one beside it.
    {{kHeaderDpi, kHeaderLighting, kHeaderPolling, kHeaderLiftOff, kHeaderDebounce},
     {kHeaderDpi, kHeaderLighting, kHeaderPolling, kHeaderLiftOff, kHeaderDebounce},
     {kHeaderPointer, kHeaderSensor, kHeaderPairing, kHeaderFirmware},
     kHeaderPointer,
     {kHeaderSensor, kHeaderPairing, kHeaderFirmware}},
    {{kHeaderPointer},
     {kHeaderDpi, kHeaderLighting, kHeaderPolling, kHeaderLiftOff, kHeaderDebounce},
     {kHeaderSensor, kHeaderPairing, kHeaderFirmware},
     0,
     {}},
    {{kHeaderSensor, kHeaderPairing},
     {kHeaderDpi, kHeaderLighting, kHeaderPolling, kHeaderLiftOff},
     {kHeaderPointer, kHeaderDebounce, kHeaderSensor, kHeaderPairing, kHeaderFirmware},
     kHeaderPointer,
     {kHeaderDebounce, kHeaderSensor, kHeaderPairing, kHeaderFirmware}},
    {{kHeaderFirmware},
     {kHeaderDpi, kHeaderLighting, kHeaderPolling, kHeaderLiftOff, kHeaderPointer},
     {kHeaderDebounce, kHeaderSensor, kHeaderPairing},
     kHeaderDebounce,
     {kHeaderSensor, kHeaderPairing}},
};

bool Contains(std::initializer_list<unsigned> list, unsigned id) {
  return std::find(list.begin(), list.end(), id) != list.end();
}

}  // namespace

std::optional<int> SectionOfHeader(unsigned id) {
  const auto it = std::find(kSectionHeaders.begin(), kSectionHeaders.end(), id);
  if (it == kSectionHeaders.end()) return std::nullopt;
  return static_cast<int>(it - kSectionHeaders.begin());
}

SectionStates ApplySectionHeaderRule(SectionStates open, unsigned id) {
  const auto clicked = SectionOfHeader(id);
  if (!clicked || !open[static_cast<std::size_t>(*clicked)]) return open;
  auto isOpen = [&](unsigned h) { return open[static_cast<std::size_t>(*SectionOfHeader(h))]; };
  auto close = [&](unsigned h) {
    if (h != id) open[static_cast<std::size_t>(*SectionOfHeader(h))] = false;
  };
  for (const HeaderRule& rule : kHeaderRules) {
    if (!Contains(rule.Clicked, id)) continue;
    const auto y = std::find_if(rule.Keep.begin(), rule.Keep.end(), [&](unsigned h) { return h != id && isOpen(h); });
    if (y != rule.Keep.end()) {
      for (unsigned h : rule.Keep)
        if (h != *y) close(h);
      for (unsigned h : rule.Close) close(h);
    } else if (rule.Fallback != 0 && isOpen(rule.Fallback)) {
      for (unsigned h : rule.FallbackClose) close(h);
    }
    break;
  }
  return open;
}

}  // namespace corvane
