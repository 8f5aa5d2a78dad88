#pragma once
// The device session of a corvanectl command, opened from the global options, and the
// refusals of commands that could not reach the mouse.
#include <memory>
#include <string>

#include "cli/Cli.h"
#include "device/FeatureTransport.h"
#include "session/DeviceSession.h"

namespace corvane::cli {

// Opens the session the options ask for (hidraw, or --simulate with --sim-state, --trace,
// --no-wait) and scans. nullptr when the options cannot be used; the reason has been
// written and exitCode says how the command ends.
std::unique_ptr<DeviceSession> OpenDeviceSession(CliContext& ctx, int& exitCode);

// Language text 156 (the mouse is not connected) on stderr; exit status 1.
int RefuseNoDevice(const CliContext& ctx);
// How a command ends when a transfer did not go through.
int RefuseSend(const CliContext& ctx, SendResult result, const std::string& what);

}  // namespace corvane::cli
