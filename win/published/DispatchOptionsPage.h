#pragma once

#include <memory>
#include <string>

#include "src/app/OptionsPageComponent.h"
#include "src/component/ApplicationInfo.h"
#include "src/host/Application.h"
#include "win/dispatch/DispatchHolder.h"

namespace pwk::win {

// The options page component as installed on the machine. Its Initialize receives the host
// application, the live settings as their automation object (SettingsObject), the help file,
// the process-wide error object by reference (a VARIANT by reference holding ErrorObject's
// IDispatch) and the application information (AppInfoObject). What the page leaves in the
// error object's place: the same object changes nothing; nothing leaves the component without
// an error object, as the core has it; another error object of ours becomes the process-wide
// one; any other object is not taken (the current one stays) and a line in the log says so.
class DispatchOptionsPage final : public OptionsPageComponent, public DispatchHolder {
  public:
    using DispatchHolder::DispatchHolder;

    void Initialize(const Ref<host::Application>& olApp,
                    const std::shared_ptr<RegSettings>& settings, const std::string& helpFile,
                    std::shared_ptr<ErrorLibrary>& errorObject,
                    const ApplicationInfo& appInfo) override;

  private:
    static void TakeErrorObject(IDispatch* left, std::shared_ptr<ErrorLibrary>& errorObject);
};

}  // namespace pwk::win
