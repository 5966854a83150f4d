#include "sim/ScriptedFileUtility.h"

#include "src/util/Failure.h"

namespace pwk::sim {

std::string ScriptedFileUtility::DefaultFolder() {
    ++defaultFolderCalls_;
    if (defaultFolderFailure_ != 0) {
        Raise(defaultFolderFailure_, FileUtilityProgID);
    }
    return defaultFolder_;
}

std::optional<std::string> ScriptedFileUtility::ChooseFile(const std::string& title) {
    chooserTitles_.push_back(title);
    if (choices_.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> choice = std::move(choices_.front());
    choices_.pop_front();
    return choice;
}

}  // namespace pwk::sim
