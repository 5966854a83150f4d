#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "src/app/OptionsPageComponent.h"
#include "src/component/ApplicationInfo.h"
#include "src/options/OptionsPageModel.h"

namespace pwk::sim {

// The add-in's options page as the simulated host's machine has it installed under
// "WicklineProps.PWKProps": it keeps what Initialize gave it, so that the options dialog can
// show it, and a page made with the add-in's component runs the page's logic on the live
// settings it was given. It holds the host only while the dialog holds the page.
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

    // A page that only records Initialize.
    SimOptionsPage() = default;
    // A page whose logic works through `component` (its settings store and error library).
    explicit SimOptionsPage(Component& component) : component_(&component) {}

    void Initialize(const Ref<host::Application>& olApp,
                    const std::shared_ptr<RegSettings>& settings, const std::string& helpFile,
                    std::shared_ptr<ErrorLibrary>& errorObject,
                    const ApplicationInfo& appInfo) override {
        Record(Initialized{olApp.Shared(), settings, helpFile, static_cast<bool>(errorObject),
                           appInfo});
        if (component_ != nullptr && settings) {
            model_ = std::make_unique<OptionsPageModel>(*component_, olApp, settings);
            model_->Load();
        }
    }

    // What Initialize was given; nothing before it was called.
    const std::optional<Initialized>& InitializedWith() const { return initialized_; }
    // The page's logic once Initialize gave it live settings; null before.
    OptionsPageModel* Model() const { return model_.get(); }

  protected:
    // Keeps what a page was initialized with (a page taking the call in other forms too).
    void Record(Initialized with) { initialized_ = std::move(with); }

  private:
    Component* component_ = nullptr;
    std::optional<Initialized> initialized_;
    std::unique_ptr<OptionsPageModel> model_;
};

}  // namespace pwk::sim
