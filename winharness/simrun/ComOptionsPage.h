#pragma once

#include "sim/SimOptionsPage.h"
#include "winharness/bridge/ForeignOptionsPage.h"

namespace pwk::simrun {

// The simulated machine's options page when the add-in is the component loaded through COM:
// it keeps the component's live settings object, through which the page hands edited settings
// back. It lives while the host's options dialog has it, so it holds nothing of the component
// afterwards.
class ComOptionsPage final : public sim::SimOptionsPage, public bridge::ForeignOptionsPage {
  public:
    void InitializeForeign(const Ref<host::Application>& olApp, win::ComPtr<IDispatch> settings,
                           const std::string& helpFile, win::ComPtr<IDispatch> errorObject,
                           const ApplicationInfo& appInfo) override {
        Record(Initialized{olApp.Shared(), {}, helpFile, static_cast<bool>(errorObject), appInfo});
        settings_ = std::move(settings);
    }

    // The component's settings object; null when it passed none.
    const win::ComPtr<IDispatch>& Settings() const { return settings_; }

  private:
    win::ComPtr<IDispatch> settings_;
};

}  // namespace pwk::simrun
