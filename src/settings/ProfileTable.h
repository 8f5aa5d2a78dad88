#pragma once
// Placeholder: the profile record and table are being written (owner: settings helper).
namespace corvane {
struct ProfileTable {};
}  // namespace corvane
