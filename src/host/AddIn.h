#pragma once

#include <memory>
#include <string>

#include "src/platform/AutomationObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

class Application;

// How the host loaded an add-in (the connection mode of OnConnection).
namespace ConnectMode {
inline constexpr int AfterStartup = 0;
inline constexpr int Startup = 1;
inline constexpr int External = 2;
inline constexpr int CommandLine = 3;
}  // namespace ConnectMode

// Why the host unloads an add-in (the remove mode of OnDisconnection).
namespace DisconnectMode {
inline constexpr int HostShutdown = 0;
inline constexpr int UserClosed = 1;
}  // namespace DisconnectMode

// The host's record of one loaded add-in, handed to it at connection.
class AddInInstance : public AutomationObject {
  public:
    virtual std::string ProgID() = 0;
    virtual std::string Description() = 0;
};

// The connection object the host creates by ProgID when it loads an add-in.
class AddIn : public AutomationObject {
  public:
    virtual void OnConnection(const Ref<Application>& application, int connectMode,
                              const Ref<AddInInstance>& addInInst) = 0;
    virtual void OnDisconnection(int removeMode) = 0;
};

}  // namespace pwk::host
