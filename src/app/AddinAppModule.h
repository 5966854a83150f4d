#pragma once

namespace pwk {

// The module the application object's procedures report failures under, and the help file its
// boxes name.
inline constexpr const char* kAddinAppModule = "PWKAddinApp";
inline constexpr const char* kHelpFileName = "Parleywick.hlp";

}  // namespace pwk
