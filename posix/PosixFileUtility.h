#pragma once

#include <memory>

#include "posix/Terminal.h"
#include "src/platform/FileUtility.h"

namespace pwk {

// The file utility component on POSIX: the default log folder is the user's state folder
// for Parleywick, as a native path, and the file chooser asks on the terminal.
class PosixFileUtility : public FileUtility {
  public:
    explicit PosixFileUtility(std::shared_ptr<const Terminal> terminal);

    // $XDG_STATE_HOME/parleywick/ or ~/.local/state/parleywick/ (created when missing, so
    // that a log can be written there); empty when no home folder is known.
    std::string DefaultFolder() override;
    // The path typed in answer; nothing when the answer is empty or nobody can answer.
    std::optional<std::string> ChooseFile(const std::string& title) override;

  private:
    std::shared_ptr<const Terminal> terminal_;
};

}  // namespace pwk
