#include "src/journal/UpgradeLogReset.h"

#include "src/component/Component.h"
#include "src/errors/LogFilePath.h"
#include "src/errors/Procedure.h"
#include "src/platform/MessageBoxStyle.h"

namespace pwk::PWKGlobal {

namespace {
constexpr const char* kBackupPath = "C:\\Parleywick Error Log backup.log";
constexpr const char* kCrLf = "\r\n";
}  // namespace

std::string GetLogFilePath(Component& component) {
    ErrorLibrary& errors = component.Errors();
    std::string path = LogFilePath(errors.LogPath(), errors.LogFilename());
    const std::string dateFormat = errors.DateFormat();
    if (!dateFormat.empty()) {
        Platform& platform = component.platform();
        path += platform.FormatDate(platform.Now(), dateFormat);
    }
    return path;
}

void ResetLogAfterUpgrade(Component& component) {
    Platform& platform = component.platform();
    const std::string question = std::string("You've upgraded Parleywick!") + kCrLf + kCrLf +
                                 "The error logging file (" + GetLogFilePath(component) +
                                 ") must be erased.  Do you wish to save a backup " +
                                 "of the current file, first? ";
    const int answer = platform.MsgBox(
        question, MsgBoxStyle::YesNo | MsgBoxStyle::DefaultButton2 | MsgBoxStyle::Question,
        "Backup Error Log?");

    if (answer == MsgBoxResult::Yes) {
        const auto copyFailure =
            Procedure::Ignoring([&] { platform.FileCopy(GetLogFilePath(component), kBackupPath); });
        if (copyFailure) {
            platform.MsgBox("Could not back up the log file.",
                            MsgBoxStyle::OkOnly | MsgBoxStyle::Exclamation, "Error Encountered");
        } else {
            platform.MsgBox(std::string("The log has been copied to: \"") + kBackupPath + "\"",
                            MsgBoxStyle::OkOnly | MsgBoxStyle::Information, "Complete");
        }
    }

    const auto deleteFailure =
        Procedure::Ignoring([&] { platform.DeleteFile(GetLogFilePath(component)); });
    if (deleteFailure) {
        platform.MsgBox(std::string("The log file could not be deleted or does not exist.  "
                                    "Please delete it ") +
                            "manually: " + kCrLf + GetLogFilePath(component),
                        MsgBoxStyle::OkOnly | MsgBoxStyle::Exclamation, "Problem With Deletion");
    }
}

}  // namespace pwk::PWKGlobal
