#pragma once
// The four writers of the upload. Each builds its payloads from the profile, compares
// them with the shadow and sends what differs. A block is recorded in the shadow when it
// was unchanged or the device acknowledged it; a block the device did not take keeps
// what the device last took, so the next upload sends it again. Each returns false when
// something was not taken (nothing is sent without an open feature interface).
namespace corvane {

struct ProfileRecord;
struct DpiStepTables;
struct DeviceShadow;
class CommandSender;

// Clears the macro shadow first, so the macros are rewritten in the same upload.
bool WriteButtonMap(const ProfileRecord& profile, DeviceShadow& shadow, CommandSender& sender);
// DPI (both packets), colours (also when the DPI block changed), polling, lift-off,
// debounce and lighting (compared on its first 7 bytes), sent in that order.
bool WritePerformanceSettings(const ProfileRecord& profile, const DpiStepTables& dpi, DeviceShadow& shadow,
                              CommandSender& sender);
bool WritePowerSettings(const ProfileRecord& profile, DeviceShadow& shadow, CommandSender& sender);
bool WriteSensorOptions(const ProfileRecord& profile, DeviceShadow& shadow, CommandSender& sender);

}  // namespace corvane
