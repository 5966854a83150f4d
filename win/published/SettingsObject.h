#pragma once

#include <oaidl.h>

#include <memory>

#include "src/tracking/RegSettings.h"
#include "win/combase/ComPtr.h"

namespace pwk::win {

// The settings over IDispatch ("Wickline.RegSettings"): every option as a property to read and
// assign (TrackedFoldersets assigned by reference, as a collection object), ReadReg, SaveReg,
// UpdateFrom and JustUpgraded, and the event interface of Updated as a connection point.
class SettingsObject {
  public:
    static constexpr const char* Source = "Wickline.RegSettings";
    // The event interface: Updated (DISPID 1), without arguments.
    // {D603AEF7-0713-4D90-B4A7-AFE73E02D904}
    static constexpr IID IID_RegSettingsEvents = {
        0xD603AEF7, 0x0713, 0x4D90, {0xB4, 0xA7, 0xAF, 0xE7, 0x3E, 0x02, 0xD9, 0x04}};
    static constexpr DISPID DispIdUpdated = 1;

    // The automation object of `settings`; nothing for nothing.
    static ComPtr<IDispatch> Of(const std::shared_ptr<RegSettings>& settings);
};

}  // namespace pwk::win
