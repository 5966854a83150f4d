#pragma once

namespace pwk {

// The module the shared journal procedures report failures under.
inline constexpr const char* kGlobalModule = "PWKGlobal";

}  // namespace pwk
