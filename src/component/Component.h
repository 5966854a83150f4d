#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "src/errorlib/ErrorLibrary.h"
#include "src/errorlib/IErrorClient.h"
#include "src/platform/Platform.h"
#include "src/resources/Version.h"

namespace pwk {

// What the add-in keeps once per process: the platform, the error object and its client, and
// the flags that tell whether the add-in may act. Every class receives it by constructor, so
// several independent add-ins can live in one test process.
class Component {
  public:
    explicit Component(Platform& platform) : platform_(platform) {}
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    Platform& platform() const { return platform_; }

    // The process-wide error object; raises 91 while there is none.
    ErrorLibrary& Errors() const;
    const std::shared_ptr<ErrorLibrary>& ErrorObject() const { return errorObject_; }
    // Replaceable: the options page may hand back another error object.
    void SetErrorObject(std::shared_ptr<ErrorLibrary> errorObject) {
        errorObject_ = std::move(errorObject);
    }
    const std::shared_ptr<IErrorClient>& ErrorClient() const { return errorClient_; }
    void SetErrorClient(std::shared_ptr<IErrorClient> client) { errorClient_ = std::move(client); }

    // True while the add-in may react to host events.
    bool AddinIsRunning() const {
        return !AddinStopped && AddinInitialised && ErrorFrameworkStarted;
    }
    void StopAddin() { AddinStopped = true; }

    Version version() const { return ComponentVersion; }

    bool ErrorFrameworkStarted = false;
    bool AddinInitialised = false;
    bool AddinStopped = false;
    bool MainHasRun = false;
    std::string OutlookVersion;
    std::string OutlookProductCode;
    std::int32_t NextSetSerial = 0;
    std::string HelpFile;

  private:
    Platform& platform_;
    std::shared_ptr<ErrorLibrary> errorObject_;
    std::shared_ptr<IErrorClient> errorClient_;
};

}  // namespace pwk
