#pragma once

#include <memory>
#include <string>

#include "src/platform/AutomationObject.h"
#include "src/util/Ref.h"

namespace pwk {

class ErrorLibrary;
class RegSettings;
struct ApplicationInfo;

namespace host {
class Application;
}  // namespace host

inline constexpr const char* OptionsPageProgID = "WicklineProps.PWKProps";

// The add-in's page of the host's options dialog, a component of its own. It edits a copy of
// the live settings and hands the result back through the live settings' UpdateFrom.
class OptionsPageComponent : public AutomationObject {
  public:
    // `errorObject` is the process-wide error object: whatever the page leaves in it becomes
    // the process-wide one.
    virtual void Initialize(const Ref<host::Application>& olApp,
                            const std::shared_ptr<RegSettings>& settings,
                            const std::string& helpFile, std::shared_ptr<ErrorLibrary>& errorObject,
                            const ApplicationInfo& appInfo) = 0;
};

}  // namespace pwk
