#pragma once

#include <oaidl.h>

#include <memory>

#include "src/tracking/TrackedFolderset.h"
#include "win/combase/ComPtr.h"

namespace pwk::win {

// A tracked folderset over IDispatch ("Wickline.TrackedFolderset"): its operations by their
// published names. Folders come back as the host's own folder objects.
class FoldersetObject {
  public:
    static constexpr const char* Source = "Wickline.TrackedFolderset";

    // The automation object of `folderset`; nothing for nothing.
    static ComPtr<IDispatch> Of(const std::shared_ptr<TrackedFolderset>& folderset);
};

}  // namespace pwk::win
