#include "win/optionspage/PageBinding.h"

#include <utility>

#include "src/host/Application.h"
#include "src/options/PageTexts.h"
#include "src/tracking/RegSettings.h"

namespace pwk::win {

void PageBinding::Bind(const Ref<host::Application>& application,
                       std::shared_ptr<RegSettings> settings, std::string helpFile,
                       std::string title, std::string version) {
    helpFile_ = std::move(helpFile);
    title_ = std::move(title);
    version_ = std::move(version);
    model_.reset();
    if (application && settings) {
        model_ = std::make_unique<OptionsPageModel>(component_, application, std::move(settings));
        model_->Load();
    }
    if (changed_) {
        changed_();
    }
}

void PageBinding::Unbind() {
    model_.reset();
}

bool PageBinding::Edit(const std::function<bool(OptionsPageModel&)>& edit) {
    refusal_.clear();
    if (!model_) {
        refusal_ = PageTexts::NoSettings;
        return false;
    }
    const bool done = edit(*model_);
    if (changed_) {
        changed_();
    }
    return done;
}

std::string PageBinding::Message() const {
    return model_ ? model_->Message() : refusal_;
}

}  // namespace pwk::win
