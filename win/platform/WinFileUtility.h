#pragma once

#include <memory>

#include "src/platform/FileUtility.h"

struct tagOFNW;  // the Open dialog's description (commdlg.h's OPENFILENAMEW)

namespace pwk::win {

// The file utility component on Windows: the user's Documents folder is the default log
// folder, and the file chooser is the system's Open dialog.
class WinFileUtility : public FileUtility {
  public:
    using OpenDialog = int(__stdcall*)(tagOFNW* dialog);

    // The utility over the system's Open dialog, looked up in its library; 429 (the component
    // cannot be created) on a machine without it, as for a missing external utility.
    static std::shared_ptr<WinFileUtility> Create();

    explicit WinFileUtility(OpenDialog openDialog) : openDialog_(openDialog) {}

    // The Documents folder without a trailing "\"; empty when the system knows none.
    std::string DefaultFolder() override;
    // The file the user picked; nothing when the user cancelled.
    std::optional<std::string> ChooseFile(const std::string& title) override;

  private:
    OpenDialog openDialog_;
};

}  // namespace pwk::win
