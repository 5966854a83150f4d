#pragma once

#include <optional>
#include <string>

#include "src/platform/AutomationObject.h"

namespace pwk {

inline constexpr const char* FileUtilityProgID = "FileUtility.FileUtil";

// The external file utility component: a default folder for the log, and a file chooser.
class FileUtility : public AutomationObject {
  public:
    // A folder text, or the empty text.
    virtual std::string DefaultFolder() = 0;
    // The path the user chose, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFile(const std::string& title) = 0;
};

}  // namespace pwk
