#pragma once

#include <oaidl.h>

#include "src/component/ApplicationInfo.h"
#include "win/combase/ComPtr.h"

namespace pwk::win {

// What the component tells the options page about itself, over IDispatch: the read-only
// properties Title, Path, Major, Minor, Revision and HelpFile. Assigning one fails with 383
// ("property is read-only").
class AppInfoObject {
  public:
    static constexpr const char* Source = "Wickline.ApplicationInfo";

    static ComPtr<IDispatch> Of(const ApplicationInfo& info);
};

}  // namespace pwk::win
