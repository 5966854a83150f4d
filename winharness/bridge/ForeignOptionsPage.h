#pragma once

#include <oaidl.h>

#include <string>

#include "src/util/Ref.h"
#include "win/combase/ComPtr.h"

namespace pwk {
struct ApplicationInfo;
namespace host {
class Application;
}  // namespace host
}  // namespace pwk

namespace pwk::bridge {

// An options page that takes what a component passes its Initialize through COM as it comes:
// the component's live settings and its error object are automation objects of the component,
// which no C++ type of this process stands for. Other pages get the call in the add-in's own
// types, without those two.
class ForeignOptionsPage {
  public:
    virtual ~ForeignOptionsPage() = default;
    // `settings` and `errorObject` are null when the component passed nothing.
    virtual void InitializeForeign(const Ref<host::Application>& olApp,
                                   win::ComPtr<IDispatch> settings, const std::string& helpFile,
                                   win::ComPtr<IDispatch> errorObject,
                                   const ApplicationInfo& appInfo) = 0;
};

}  // namespace pwk::bridge
