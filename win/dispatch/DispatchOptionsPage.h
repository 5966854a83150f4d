#pragma once

#include "src/app/OptionsPageComponent.h"
#include "src/component/ApplicationInfo.h"
#include "src/host/Application.h"
#include "win/dispatch/DispatchHolder.h"

namespace pwk::win {

// The options page component as installed on the machine. Only what automation can carry goes
// across: the host application, the help file and the add-in's title and folder; the live
// settings and the error object are the add-in's own C++ objects and stay behind.
class DispatchOptionsPage final : public OptionsPageComponent, public DispatchHolder {
  public:
    using DispatchHolder::DispatchHolder;
    void Initialize(const Ref<host::Application>& olApp,
                    const std::shared_ptr<RegSettings>& /*settings*/, const std::string& helpFile,
                    std::shared_ptr<ErrorLibrary>& /*errorObject*/,
                    const ApplicationInfo& appInfo) override {
        Call("Initialize", DispatchOf(olApp.get()), helpFile, appInfo.Title, appInfo.Path);
    }
};

}  // namespace pwk::win
