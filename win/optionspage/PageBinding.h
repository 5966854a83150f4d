#pragma once

#include <functional>
#include <memory>
#include <string>

#include "src/options/OptionsPageModel.h"
#include "src/util/Ref.h"

namespace pwk::win {

// What the options page works on once the add-in has initialized it: the page's logic over the
// add-in's live settings, the help file and the add-in's name and version. The automation
// members and the window share it; every change either makes is announced to whoever listens
// (the window redraws, the dialog's site hears of it). The host's application is held only
// through the logic, and only until Unbind.
class PageBinding {
  public:
    explicit PageBinding(Component& component) : component_(component) {}

    // The add-in's Initialize: without its live settings the page has no logic and refuses
    // every change (Message says why).
    void Bind(const Ref<host::Application>& application, std::shared_ptr<RegSettings> settings,
              std::string helpFile, std::string title, std::string version);
    void Unbind();

    // Null while the page has no settings to work on.
    OptionsPageModel* Model() const { return model_.get(); }
    const std::string& HelpFile() const { return helpFile_; }
    const std::string& Title() const { return title_; }
    const std::string& Version() const { return version_; }

    // Runs `edit` on the logic and announces the change; false, with Message saying why, when
    // there is no logic or `edit` refused.
    bool Edit(const std::function<bool(OptionsPageModel&)>& edit);
    // What the last refusal said ("" after a change that went through).
    std::string Message() const;

    // Called after every change; replaces the one before.
    void WhenChanged(std::function<void()> changed) { changed_ = std::move(changed); }

  private:
    Component& component_;
    std::unique_ptr<OptionsPageModel> model_;
    std::string helpFile_;
    std::string title_;
    std::string version_;
    std::string refusal_;
    std::function<void()> changed_;
};

}  // namespace pwk::win
