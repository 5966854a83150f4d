#pragma once

#include <string>

#include "src/host/HostTypes.h"

namespace pwk::sim {

// Who the simulated host says it is, and the user it runs for.
struct HostInfo {
    // What the application object's type name reports.
    std::string TypeName = "Application";
    std::string Name = "Outlook";
    std::string Version = "9.0.0.3821";
    std::string ProductCode = "{5F2C1A0E-9B7D-4C3E-8A61-2D4F0B9E7C13}";
    std::string CommandLine;
    std::string UserName = "Pat Jones";
    std::string UserAddress = "pat.jones@acme.example";
    // The host's clock: new items start at this time.
    host::Date Now =
        host::Date{std::chrono::sys_days{std::chrono::year{2000} / std::chrono::March / 6}} +
        std::chrono::hours{9};
};

}  // namespace pwk::sim
