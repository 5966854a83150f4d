#include "posix/PosixFileUtility.h"

#include <filesystem>

#include "src/util/Failure.h"
#include "store/UserFolders.h"

namespace pwk {

PosixFileUtility::PosixFileUtility(std::shared_ptr<const Terminal> terminal)
    : terminal_(std::move(terminal)) {}

std::string PosixFileUtility::DefaultFolder() {
    std::string folder;
    try {
        folder = UserFolders::State() + "/parleywick/";
    } catch (const Failure&) {
        return "";  // no home folder: the caller falls back to its own
    }
    std::error_code ignored;  // a folder that cannot be made shows up when the log is written
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

std::optional<std::string> PosixFileUtility::ChooseFile(const std::string& title) {
    terminal_->Out() << "\n==== " << title << " ====\n";
    const std::optional<std::string> answer = terminal_->Ask("File path (Enter to cancel): ");
    if (!answer || answer->empty()) {
        return std::nullopt;
    }
    return answer;
}

}  // namespace pwk
