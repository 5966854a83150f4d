#include "sim/ScriptedPlatform.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <system_error>

#include "platform-support/DateFormat.h"
#include "platform-support/MessageBoxButtons.h"
#include "platform-support/PathMapping.h"
#include "src/util/Failure.h"

namespace pwk::sim {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
// Windows has no mkdtemp: a folder of a random name that did not exist before is as good.
std::filesystem::path MakeTempRoot() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path path =
            fs::temp_directory_path() / ("pwk-platform-" + std::to_string(random()));
        std::error_code error;
        if (fs::create_directory(path, error)) {
            return path;
        }
    }
    throw std::runtime_error("cannot create a temporary folder for the scripted platform");
}
#else
std::filesystem::path MakeTempRoot() {
    std::string pattern = (fs::temp_directory_path() / "pwk-platform-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder for the scripted platform");
    }
    return pattern;
}
#endif

Platform::Clock::time_point DefaultNow() {
    using namespace std::chrono;
    return sys_days{year{2026} / December / 5} + hours{14} + minutes{28} + seconds{38};
}

OsVersionInfo DefaultVersion() {
    OsVersionInfo info;
    info.MajorVersion = 5;
    info.MinorVersion = 0;
    info.BuildNumber = 2195;
    info.PlatformId = 2;
    info.CSDVersion = "Service Pack 2";
    return info;
}

[[noreturn]] void FileFailure(std::int32_t number, const std::string& operation) {
    Raise(number, operation);
}

std::int32_t NumberFor(const std::error_code& error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted
               ? FailureNumber::PermissionDenied
               : FailureNumber::PathFileAccessError;
}

}  // namespace

ScriptedPlatform::ScriptedPlatform() : ScriptedPlatform(MakeTempRoot()) {
    ownsRoot_ = true;
    // A machine has its system drive, whatever else it lacks: a copy to "C:\" goes through
    // even when nothing was written on that drive yet.
    fs::create_directories(NativePath("C:\\"));
}

ScriptedPlatform::ScriptedPlatform(std::filesystem::path root)
    : root_(std::move(root)), now_(DefaultNow()), versionInfo_(DefaultVersion()) {}

ScriptedPlatform::~ScriptedPlatform() {
    if (ownsRoot_) {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
}

void ScriptedPlatform::FailPath(const std::string& hostPath, std::int32_t number,
                                FileOperation operation) {
    failingPaths_[NativePath(hostPath)] = FailingPath{number, operation};
}

void ScriptedPlatform::SetSettings(SettingsStore& store) {
    ownedSettings_.reset();
    settings_ = &store;
}

void ScriptedPlatform::SetSettings(std::shared_ptr<SettingsStore> store) {
    ownedSettings_ = std::move(store);
    settings_ = ownedSettings_.get();
}

std::int32_t ScriptedPlatform::RaiseUnhandledException(const ExceptionRecord& record) {
    return filter_ ? filter_(record) : 0;
}

int ScriptedPlatform::MsgBox(const std::string& text, int style, const std::string& title,
                             const std::string& helpFile, int helpContext) {
    const std::vector<int> buttons = MsgBoxButtons(style);
    for (;;) {
        if (answers_.empty()) {
            boxes_.push_back(
                {text, title, style, helpFile, helpContext, MsgBoxDefaultAnswer(style)});
            return boxes_.back().Answer;
        }
        const int answer = answers_.front();
        answers_.pop_front();
        if (answer == HelpAnswer) {
            helpRequests_.push_back({helpFile, helpContext});
            continue;
        }
        if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end()) {
            throw std::logic_error("scripted answer " + std::to_string(answer) +
                                   " is not a button of the box \"" + text + "\"");
        }
        boxes_.push_back({text, title, style, helpFile, helpContext, answer});
        return answer;
    }
}

int ScriptedPlatform::DialogAnswer(const CustomDialog& dialog) {
    if (dialogAnswers_.empty()) {
        return dialog.DefaultButton;
    }
    const auto answer = std::move(dialogAnswers_.front());
    dialogAnswers_.pop_front();
    if (const int* index = std::get_if<int>(&answer)) {
        if (*index < 0 || static_cast<std::size_t>(*index) >= dialog.Buttons.size()) {
            throw std::logic_error("scripted button " + std::to_string(*index) +
                                   " is not on the dialog \"" + dialog.Title + "\"");
        }
        return *index;
    }
    const std::string& caption = std::get<std::string>(answer);
    const auto found = std::find(dialog.Buttons.begin(), dialog.Buttons.end(), caption);
    if (found == dialog.Buttons.end()) {
        throw std::logic_error("scripted button \"" + caption + "\" is not on the dialog \"" +
                               dialog.Title + "\"");
    }
    return static_cast<int>(found - dialog.Buttons.begin());
}

int ScriptedPlatform::ShowDialog(const CustomDialog& dialog) {
    const int answer = DialogAnswer(dialog);
    dialogs_.push_back({dialog, answer});
    return answer;
}

void ScriptedPlatform::Shell(const std::string& commandLine, int windowStyle) {
    shellCalls_.push_back({commandLine, windowStyle});
}

bool ScriptedPlatform::FolderExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(NativePath(path), error);
}

std::string ScriptedPlatform::NativePath(const std::string& path) {
    return MapHostPath(root_.string(), path);
}

const ScriptedPlatform::FailingPath* ScriptedPlatform::FailingAt(const std::string& nativePath,
                                                                 FileOperation operation) const {
    const auto found = failingPaths_.find(nativePath);
    if (found != failingPaths_.end() &&
        (found->second.Operation == FileOperation::Any || found->second.Operation == operation)) {
        return &found->second;
    }
    return nullptr;
}

void ScriptedPlatform::CheckNotFailing(const std::string& nativePath,
                                       FileOperation operation) const {
    if (const FailingPath* failing = FailingAt(nativePath, operation)) {
        Raise(failing->Number, nativePath);
    }
}

std::optional<std::int32_t> ScriptedPlatform::PlannedFailure(const std::string& hostPath,
                                                             FileOperation operation) {
    const FailingPath* failing = FailingAt(NativePath(hostPath), operation);
    return failing != nullptr ? std::optional<std::int32_t>(failing->Number) : std::nullopt;
}

void ScriptedPlatform::FileCopy(const std::string& source, const std::string& destination) {
    const std::string from = NativePath(source);
    const std::string to = NativePath(destination);
    CheckNotFailing(from, FileOperation::Copy);
    CheckNotFailing(to, FileOperation::Copy);
    if (!fs::exists(from)) {
        FileFailure(FailureNumber::FileNotFound, "FileCopy");
    }
    if (fs::is_directory(from) || fs::is_directory(to)) {
        FileFailure(FailureNumber::PathFileAccessError, "FileCopy");
    }
    if (!fs::is_directory(fs::path(to).parent_path())) {
        FileFailure(FailureNumber::PathNotFound, "FileCopy");
    }
    std::error_code error;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    if (error) {
        FileFailure(NumberFor(error), "FileCopy");
    }
}

void ScriptedPlatform::DeleteFile(const std::string& path) {
    const std::string target = NativePath(path);
    CheckNotFailing(target, FileOperation::Delete);
    if (!fs::exists(target)) {
        FileFailure(FailureNumber::FileNotFound, "Kill");
    }
    if (fs::is_directory(target)) {
        FileFailure(FailureNumber::PathFileAccessError, "Kill");
    }
    std::error_code error;
    fs::remove(target, error);
    if (error) {
        FileFailure(NumberFor(error), "Kill");
    }
}

std::string ScriptedPlatform::DateTimeText(Clock::time_point when) {
    return DefaultDateTimeText(when);
}

std::string ScriptedPlatform::FormatDate(Clock::time_point when, const std::string& format) {
    return pwk::FormatDate(when, format);
}

void ScriptedPlatform::SetUnhandledExceptionFilter(ExceptionFilterRoutine filter) {
    filter_ = std::move(filter);
}

std::shared_ptr<AutomationObject> ScriptedPlatform::CreateObject(const std::string& progId) {
    return factories_.Create(progId);
}

SettingsStore& ScriptedPlatform::Settings() {
    if (settings_ == nullptr) {
        Raise(FailureNumber::ObjectNotSet, "Settings");
    }
    return *settings_;
}

}  // namespace pwk::sim
