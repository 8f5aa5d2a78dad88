#pragma once
// Writes the macros of the current profile's macro buttons into the mouse's macro store:
// the whole store is cleared and rewritten when any button's encoding differs from what
// the store is believed to hold, else nothing is sent.
#include "device/DeviceShadow.h"

namespace corvane {

struct ProfileRecord;
class CommandSender;

// Pass 1 records every macro button's encoding in its slot's shadow. With a sender, a
// difference starts the rewrite: CmdMacroClear, a 10 ms pause, the cleared shadow, then
// pass 2 sends each slot's macro once as CmdMacroData packets. A macro the device did
// not take (or a store that was not cleared) leaves its slot's shadow cleared, so the
// next upload rewrites the store. A macro longer than the store takes is not sent; its
// refusal is reported and its encoding recorded, so it is not retried until it changes.
// Without a sender nothing is sent. Returns false when something was not taken.
bool WriteMacros(ProfileRecord& profile, DeviceShadow& shadow, CommandSender* sender);

}  // namespace corvane
