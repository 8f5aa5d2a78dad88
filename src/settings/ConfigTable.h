#pragma once
// Placeholder: the configuration table is being written (owner: settings helper).
namespace corvane {
struct ConfigTable {};
}  // namespace corvane
