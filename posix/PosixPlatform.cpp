#include "posix/PosixPlatform.h"

#include <sys/utsname.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform-support/DateFormat.h"
#include "platform-support/MessageBoxButtons.h"
#include "platform-support/PathMapping.h"
#include "posix/CrashHandlers.h"
#include "posix/NativeFiles.h"
#include "posix/PosixFileUtility.h"
#include "posix/ShellCommand.h"
#include "posix/TerminalBox.h"
#include "src/platform/FileUtility.h"
#include "src/platform/MessageBoxStyle.h"
#include "store/UserFolders.h"

namespace pwk {

namespace {

std::string DefaultDrivesRoot() {
    if (std::string root = UserFolders::Environment("PWK_DRIVES"); !root.empty()) {
        return root;
    }
    return UserFolders::Data() + "/parleywick/drives";
}

std::string AnswerCaption(int answer) {
    switch (answer) {
        case MsgBoxResult::OK:
            return "OK";
        case MsgBoxResult::Cancel:
            return "Cancel";
        case MsgBoxResult::Abort:
            return "Abort";
        case MsgBoxResult::Retry:
            return "Retry";
        case MsgBoxResult::Ignore:
            return "Ignore";
        case MsgBoxResult::Yes:
            return "Yes";
        default:
            return "No";
    }
}

// "/a\b//c" as "/a/b/c": separators of either kind, no empty names.
std::string TidyNativePath(const std::string& path) {
    std::string tidy;
    for (char c : path) {
        const char separator = c == '\\' ? '/' : c;
        if (separator == '/' && !tidy.empty() && tidy.back() == '/') {
            continue;
        }
        tidy += separator;
    }
    return tidy;
}

}  // namespace

PosixPlatform::PosixPlatform(SettingsStore& settings, Options options)
    : settings_(settings),
      terminal_(std::make_shared<Terminal>(Terminal::Standard())),
      drivesRoot_(options.DrivesRoot ? *options.DrivesRoot : DefaultDrivesRoot()),
      commandLine_(options.CommandLine ? *options.CommandLine : ProcessCommandLine()) {
    factories_.Register(FileUtilityProgID, [terminal = std::shared_ptr<const Terminal>(terminal_)] {
        return std::make_shared<PosixFileUtility>(terminal);
    });
}

PosixPlatform::~PosixPlatform() {
    // The handlers call into this program's objects, which are about to go.
    if (filterInstalled_) {
        CrashHandlers::Install(nullptr);
    }
}

int PosixPlatform::MsgBox(const std::string& text, int style, const std::string& title,
                          const std::string& helpFile, int helpContext) {
    const std::vector<int> answers = MsgBoxButtons(style);
    TerminalBox box;
    box.Title = title;
    box.Text = text;
    box.Icon = style & MsgBoxStyle::IconMask;
    for (const int answer : answers) {
        box.Buttons.push_back(AnswerCaption(answer));
        if (answer == MsgBoxDefaultAnswer(style)) {
            box.DefaultButton = box.Buttons.size() - 1;
        }
    }
    box.HelpButton = (style & MsgBoxStyle::MsgBoxHelpButton) != 0;
    box.HelpFile = helpFile;
    box.HelpContext = helpContext;
    return answers[box.Show(*terminal_)];
}

int PosixPlatform::ShowDialog(const CustomDialog& dialog) {
    TerminalBox box;
    box.Title = dialog.Title;
    box.Text = dialog.Text;
    box.Icon = dialog.Icon;
    box.Buttons = dialog.Buttons;
    box.ToolTips = dialog.ButtonToolTips;
    box.DefaultButton =
        dialog.DefaultButton < 0 ? 0 : static_cast<std::size_t>(dialog.DefaultButton);
    box.FrameCaption = dialog.FrameCaption;
    if (box.Buttons.empty()) {
        box.Buttons.push_back("OK");
    }
    return static_cast<int>(box.Show(*terminal_));
}

void PosixPlatform::Shell(const std::string& commandLine, int /*windowStyle: no windows here*/) {
    ShellCommand::Start(ShellCommand::ForCommandLine(
        commandLine, [this](const std::string& path) { return NativePath(path); }));
}

bool PosixPlatform::FolderExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(NativePath(path), error);
}

std::string PosixPlatform::NativePath(const std::string& path) {
    if (!path.empty() && path[0] == '/') {
        return TidyNativePath(path);
    }
    return MapHostPath(drivesRoot_, path);
}

void PosixPlatform::FileCopy(const std::string& source, const std::string& destination) {
    NativeFiles::Copy(NativePath(source), NativePath(destination));
}

void PosixPlatform::DeleteFile(const std::string& path) {
    NativeFiles::Delete(NativePath(path));
}

std::string PosixPlatform::DateTimeText(Clock::time_point when) {
    return DefaultDateTimeText(when);
}

std::string PosixPlatform::FormatDate(Clock::time_point when, const std::string& format) {
    return pwk::FormatDate(when, format);
}

std::optional<OsVersionInfo> PosixPlatform::GetVersionEx() {
    utsname names{};
    if (uname(&names) != 0) {
        return std::nullopt;
    }
    return VersionFromUname(names.sysname, names.release);
}

OsVersionInfo PosixPlatform::VersionFromUname(const std::string& system,
                                              const std::string& release) {
    // "6.1.0-18-amd64": the first three numbers are major, minor and build.
    std::uint32_t numbers[3] = {0, 0, 0};
    std::size_t index = 0;
    std::size_t position = 0;
    while (index < 3 && position < release.size()) {
        const char c = release[position++];
        if (c >= '0' && c <= '9') {
            const std::uint64_t next = std::uint64_t{numbers[index]} * 10 + std::uint64_t(c - '0');
            numbers[index] = next > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(next);
        } else if (c == '.') {
            ++index;
        } else {
            break;
        }
    }
    OsVersionInfo info;
    info.MajorVersion = numbers[0];
    info.MinorVersion = numbers[1];
    info.BuildNumber = numbers[2];
    info.PlatformId = PlatformIdPosix;
    // The record's text field holds 128 characters including its terminating NUL.
    info.CSDVersion = (system + " " + release).substr(0, 127);
    return info;
}

void PosixPlatform::SetUnhandledExceptionFilter(ExceptionFilterRoutine filter) {
    filterInstalled_ = static_cast<bool>(filter);
    CrashHandlers::Install(std::move(filter));
}

std::string PosixPlatform::AppPath() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}

std::string PosixPlatform::ProcessCommandLine() {
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    const std::string raw{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string line;
    std::size_t start = 0;
    while (start < raw.size()) {
        std::size_t end = raw.find('\0', start);
        if (end == std::string::npos) {
            end = raw.size();
        }
        const std::string argument = raw.substr(start, end - start);
        if (!line.empty()) {
            line += ' ';
        }
        const bool blank = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
        line += blank ? "\"" + argument + "\"" : argument;
        start = end + 1;
    }
    return line;
}

}  // namespace pwk
