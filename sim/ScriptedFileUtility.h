#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "src/platform/FileUtility.h"

namespace pwk::sim {

// The file utility component for tests: a settable default folder and a file chooser
// answered from a queue (an unscripted chooser is cancelled).
class ScriptedFileUtility : public FileUtility {
  public:
    void SetDefaultFolder(std::string folder) { defaultFolder_ = std::move(folder); }
    // DefaultFolder fails with `number` from now on (0: works again).
    void FailDefaultFolder(std::int32_t number) { defaultFolderFailure_ = number; }
    void QueueChoice(std::string path) { choices_.emplace_back(std::move(path)); }
    void QueueCancel() { choices_.emplace_back(std::nullopt); }

    int DefaultFolderCalls() const { return defaultFolderCalls_; }
    const std::vector<std::string>& ChooserTitles() const { return chooserTitles_; }

    std::string DefaultFolder() override;
    std::optional<std::string> ChooseFile(const std::string& title) override;

  private:
    std::string defaultFolder_;
    std::int32_t defaultFolderFailure_ = 0;
    std::deque<std::optional<std::string>> choices_;
    int defaultFolderCalls_ = 0;
    std::vector<std::string> chooserTitles_;
};

}  // namespace pwk::sim
