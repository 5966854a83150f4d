#pragma once

#include <memory>
#include <string>
#include <utility>

#include "sim/SimOptionsPage.h"
#include "tools/scenario/PageDriver.h"

namespace pwk::scenario {

// The page's logic of the simulated machine's options page, called directly.
class CorePageDriver final : public PageDriver {
  public:
    // `page` has been initialized with the live settings (its Model is there).
    explicit CorePageDriver(std::shared_ptr<const sim::SimOptionsPage> page)
        : page_(std::move(page)), model_(*page_->Model()) {}

    About Describe() override {
        const auto& with = *page_->InitializedWith();
        const Version& version = with.Info.Version;
        return About{sim::SimOptionsPage::Caption, with.HelpFile, with.Info.Title,
                     std::to_string(version.Major) + "." + std::to_string(version.Minor) + "." +
                         std::to_string(version.Revision)};
    }

    std::vector<Row> Rows() override { return model_.Rows(); }
    std::vector<Switch> Switches() override { return model_.Switches(); }
    std::int32_t LogLevel() override { return model_.LogLevel(); }
    std::string LogPath() override { return model_.LogPath(); }
    std::string LogFilename() override { return model_.LogFilename(); }
    bool AddPicked(const std::string& attachDir) override { return model_.AddPicked(attachDir); }
    bool Remove(std::int32_t position) override {
        return model_.Remove(position > 0 ? static_cast<std::size_t>(position) : 0);
    }
    bool SetSwitch(const std::string& name, bool on) override { return model_.SetSwitch(name, on); }
    bool SetLogLevel(const std::string& text) override { return model_.SetLogLevel(text); }
    bool SetLogLocation(const std::string& path, const std::string& filename) override {
        return model_.SetLogLocation(path, filename);
    }
    bool Dirty() override { return model_.Dirty(); }
    bool Apply() override { return model_.Apply(); }
    std::string Message() override { return model_.Message(); }

  private:
    std::shared_ptr<const sim::SimOptionsPage> page_;  // the dialog's, kept while driven
    OptionsPageModel& model_;
};

}  // namespace pwk::scenario
