#pragma once

#include <oaidl.h>

#include <memory>

#include "src/tracking/TrackedFoldersets.h"
#include "win/combase/ComPtr.h"

namespace pwk::win {

// The folderset collection over IDispatch ("Wickline.TrackedFoldersets"): its operations by
// their published names; optional arguments may be left out. Foldersets go in and come out as
// folderset objects (FoldersetObject), each a copy, as the collection hands them out.
class FoldersetsObject {
  public:
    static constexpr const char* Source = "Wickline.TrackedFoldersets";

    // The automation object of `foldersets`; nothing for nothing.
    static ComPtr<IDispatch> Of(const std::shared_ptr<TrackedFoldersets>& foldersets);
};

}  // namespace pwk::win
