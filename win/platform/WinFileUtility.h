#pragma once

#include "src/platform/FileUtility.h"

namespace pwk::win {

// The file utility component on Windows: the user's Documents folder is the default log
// folder, and the file chooser is the system's Open dialog.
class WinFileUtility : public FileUtility {
  public:
    // The Documents folder without a trailing "\"; empty when the system knows none.
    std::string DefaultFolder() override;
    // The file the user picked; nothing when the user cancelled.
    std::optional<std::string> ChooseFile(const std::string& title) override;
};

}  // namespace pwk::win
