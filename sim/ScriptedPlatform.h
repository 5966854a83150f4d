#pragma once

#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "src/errorlib/ErrorLibrary.h"
#include "src/platform/ObjectFactories.h"
#include "src/platform/Platform.h"
#include "src/platform/SettingsStore.h"

namespace pwk::sim {

// A platform for tests and the scenario runner: every box and dialog is recorded and answered
// from a script, files live under a private root folder, and the clock, command line and OS
// record are whatever the test says.
class ScriptedPlatform : public Platform {
  public:
    // A queued answer that presses the box's Help button. The real platform opens help
    // without closing the box, so the request is recorded and the box asked again.
    static constexpr int HelpAnswer = -1;

    struct MessageBoxRecord {
        std::string Text;
        std::string Title;
        int Style = 0;
        std::string HelpFile;
        int HelpContext = 0;
        int Answer = 0;
    };
    struct HelpRequest {
        std::string HelpFile;
        int HelpContext = 0;
    };
    struct DialogRecord {
        CustomDialog Dialog;
        int Answer = 0;  // index of the button chosen
    };
    struct ShellRecord {
        std::string CommandLine;
        int WindowStyle = 0;
    };

    // Files under a fresh temporary folder, removed again by the destructor.
    ScriptedPlatform();
    // Files under `root`, which is left in place.
    explicit ScriptedPlatform(std::filesystem::path root);
    ~ScriptedPlatform() override;
    ScriptedPlatform(const ScriptedPlatform&) = delete;
    ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

    // Scripting. An unscripted box takes its default button; an unscripted dialog its
    // DefaultButton. A scripted answer that is not one of the box's buttons is a broken
    // script and throws std::logic_error.
    void QueueAnswer(int answer) { answers_.push_back(answer); }
    void QueueDialogAnswer(int buttonIndex) { dialogAnswers_.emplace_back(buttonIndex); }
    void QueueDialogAnswer(const std::string& caption) { dialogAnswers_.emplace_back(caption); }
    std::size_t PendingAnswers() const { return answers_.size() + dialogAnswers_.size(); }

    const std::vector<MessageBoxRecord>& MessageBoxes() const { return boxes_; }
    const std::vector<HelpRequest>& HelpRequests() const { return helpRequests_; }
    // A help request made from a box this platform did not show (a component's own box).
    void RecordHelpRequest(std::string helpFile, int helpContext) {
        helpRequests_.push_back({std::move(helpFile), helpContext});
    }
    const std::vector<DialogRecord>& Dialogs() const { return dialogs_; }
    const std::vector<ShellRecord>& ShellCalls() const { return shellCalls_; }

    // Files.
    const std::filesystem::path& Root() const { return root_; }
    enum class FileOperation { Any, Copy, Delete };
    // Every FileCopy or DeleteFile touching this host path fails with `number` (70 by
    // default); only copies, or only deletions, when `operation` says so.
    void FailPath(const std::string& hostPath, std::int32_t number = 70,
                  FileOperation operation = FileOperation::Any);
    void ClearFailingPaths() { failingPaths_.clear(); }
    // The number the planned failure of this operation on this host path raises, if one is
    // planned (for a component that copies and deletes files itself).
    std::optional<std::int32_t> PlannedFailure(const std::string& hostPath,
                                               FileOperation operation);

    // Process.
    void SetCommandLine(std::string commandLine) { commandLine_ = std::move(commandLine); }
    void SetNow(Clock::time_point now) { now_ = now; }
    void Advance(Clock::duration by) { now_ += by; }
    void SetVersionInfo(std::optional<OsVersionInfo> info) { versionInfo_ = std::move(info); }
    void SetAppPath(std::string path) { appPath_ = std::move(path); }
    void SetUnattended(bool unattended) { unattended_ = unattended; }
    ObjectFactories& Factories() { return factories_; }
    void SetSettings(SettingsStore& store);
    void SetSettings(std::shared_ptr<SettingsStore> store);

    // The installed last-chance handler, and an unhandled exception reaching it: the
    // filter's result, or 0 (go on searching) when none is installed.
    bool HasExceptionFilter() const { return static_cast<bool>(filter_); }
    std::int32_t RaiseUnhandledException(const ExceptionRecord& record);

    // Platform.
    int MsgBox(const std::string& text, int style, const std::string& title,
               const std::string& helpFile = "", int helpContext = 0) override;
    int ShowDialog(const CustomDialog& dialog) override;
    void Shell(const std::string& commandLine, int windowStyle) override;
    std::string NativePath(const std::string& path) override;
    void FileCopy(const std::string& source, const std::string& destination) override;
    void DeleteFile(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    std::string CommandLine() override { return commandLine_; }
    Clock::time_point Now() override { return now_; }
    std::string DateTimeText(Clock::time_point when) override;
    std::string FormatDate(Clock::time_point when, const std::string& format) override;
    std::optional<OsVersionInfo> GetVersionEx() override { return versionInfo_; }
    void SetUnhandledExceptionFilter(ExceptionFilterRoutine filter) override;
    std::shared_ptr<AutomationObject> CreateObject(const std::string& progId) override;
    std::string AppTitle() override { return "Parleywick"; }
    std::string AppPath() override { return appPath_; }
    std::string AppExeName() override { return "PWKCommon"; }
    bool AppUnattended() override { return unattended_; }
    SettingsStore& Settings() override;

  private:
    struct FailingPath {
        std::int32_t Number = 0;
        FileOperation Operation = FileOperation::Any;
    };

    int DialogAnswer(const CustomDialog& dialog);
    const FailingPath* FailingAt(const std::string& nativePath, FileOperation operation) const;
    void CheckNotFailing(const std::string& nativePath, FileOperation operation) const;

    std::filesystem::path root_;
    bool ownsRoot_ = false;
    std::deque<int> answers_;
    std::deque<std::variant<int, std::string>> dialogAnswers_;
    std::vector<MessageBoxRecord> boxes_;
    std::vector<HelpRequest> helpRequests_;
    std::vector<DialogRecord> dialogs_;
    std::vector<ShellRecord> shellCalls_;
    std::map<std::string, FailingPath> failingPaths_;  // by native path
    std::string commandLine_;
    Clock::time_point now_;
    std::optional<OsVersionInfo> versionInfo_;
    std::string appPath_ = "C:\\Program Files\\Parleywick";
    bool unattended_ = false;
    ObjectFactories factories_;
    ExceptionFilterRoutine filter_;
    SettingsStore* settings_ = nullptr;
    std::shared_ptr<SettingsStore> ownedSettings_;
};

}  // namespace pwk::sim
