#pragma once

#include <oaidl.h>

#include <memory>

#include "tools/scenario/SettingsHandBack.h"
#include "win/combase/ComPtr.h"
#include "win/combase/Variant.h"
#include "win/dispatch/PlainObject.h"

namespace pwk::sim {
class SimHost;
}

namespace pwk::simrun {

// The options page's hand-back on the component's settings through COM: the page's copy is a
// settings object the page creates by the component's ProgID, and every step is a late-bound
// call on the component's objects, with the simulated host's application and namespace passed
// as their bridges.
class ComSettingsHandBack final : public scenario::SettingsHandBack {
  public:
    static constexpr const char* SettingsProgID = "Wickline.RegSettings";

    ComSettingsHandBack(const win::ComPtr<IDispatch>& live, sim::SimHost& host);

    void Copy() override;
    bool AddFolderset(const FolderIds& ids) override;
    std::string FailReason() override;
    std::int32_t Count() override;
    void RemoveFolderset(std::int32_t position) override;
    void SetSwitch(const std::string& name, bool on) override;
    void HandBack() override;

  private:
    using Settings = win::PlainObject<struct RegSettingsKind>;
    using Foldersets = win::PlainObject<struct TrackedFoldersetsKind>;

    Foldersets CopiedFoldersets() const;

    Settings live_;
    win::Variant application_;
    win::Variant nameSpace_;
    std::unique_ptr<Settings> copy_;
};

}  // namespace pwk::simrun
