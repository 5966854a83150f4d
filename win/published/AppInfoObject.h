#pragma once

#include <oaidl.h>

#include "src/component/ApplicationInfo.h"
#include "win/combase/ComPtr.h"
#include "win/combase/Variant.h"

namespace pwk::win {

// What the component tells the options page about itself, over IDispatch: the read-only
// properties Title, Path, Major, Minor, Revision and HelpFile. Assigning one fails with 383
// ("property is read-only").
class AppInfoObject {
  public:
    static constexpr const char* Source = "Wickline.ApplicationInfo";

    static ComPtr<IDispatch> Of(const ApplicationInfo& info);
    // What such an object says, read late-bound (it may come from another module's copy of
    // this class); fails as its members fail, 91 for nothing.
    static ApplicationInfo Read(const Variant& object);
};

}  // namespace pwk::win
