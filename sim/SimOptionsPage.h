#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "src/app/OptionsPageComponent.h"
#include "src/component/ApplicationInfo.h"

namespace pwk::sim {

// The add-in's options page as the simulated host's machine has it installed under
// "WicklineProps.PWKProps": it keeps what Initialize gave it, so that the options dialog can
// show it and hand edited settings back to the live ones. It holds no host object: the host
// application and the live settings are kept weakly.
class SimOptionsPage : public OptionsPageComponent {
  public:
    static constexpr const char* Caption = "Parleywick";

    struct Initialized {
        std::weak_ptr<host::Application> Application;
        std::weak_ptr<RegSettings> Settings;
        std::string HelpFile;
        bool ErrorObjectGiven = false;
        ApplicationInfo Info;
    };

    void Initialize(const Ref<host::Application>& olApp,
                    const std::shared_ptr<RegSettings>& settings, const std::string& helpFile,
                    std::shared_ptr<ErrorLibrary>& errorObject,
                    const ApplicationInfo& appInfo) override {
        Record(Initialized{olApp.Shared(), settings, helpFile, static_cast<bool>(errorObject),
                           appInfo});
    }

    // What Initialize was given; nothing before it was called.
    const std::optional<Initialized>& InitializedWith() const { return initialized_; }

  protected:
    // Keeps what a page was initialized with (a page taking the call in other forms too).
    void Record(Initialized with) { initialized_ = std::move(with); }

  private:
    std::optional<Initialized> initialized_;
};

}  // namespace pwk::sim
