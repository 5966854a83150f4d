#pragma once

#include "tools/scenario/PageDriver.h"

namespace pwk::scenario {

// The page's logic of the simulated machine's options page, called directly.
class CorePageDriver final : public PageDriver {
  public:
    explicit CorePageDriver(OptionsPageModel& model) : model_(model) {}

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
    OptionsPageModel& model_;
};

}  // namespace pwk::scenario
