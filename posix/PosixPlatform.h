#pragma once

#include <memory>
#include <optional>
#include <string>

#include "posix/Terminal.h"
#include "src/platform/ObjectFactories.h"
#include "src/platform/Platform.h"

namespace pwk {

// The platform for running the add-in's core on Linux: boxes on the terminal, host paths
// mapped into a folder of drives, programs started through /bin/sh, the settings in the
// store given to it. FileUtility.FileUtil is registered from the start (PosixFileUtility);
// the program registers the other components it provides.
class PosixPlatform : public Platform {
  public:
    // Neither of the host's own platform identifiers (1 and 2): diagnostics that branch on
    // them report no platform details.
    static constexpr std::uint32_t PlatformIdPosix = 0x504F5358;  // "POSX"

    struct Options {
        // Where host paths live; default $PWK_DRIVES, else ~/.local/share/parleywick/drives.
        std::optional<std::string> DrivesRoot;
        // The command line reported; default this process's own arguments.
        std::optional<std::string> CommandLine;
    };

    explicit PosixPlatform(SettingsStore& settings, Options options = {});
    ~PosixPlatform() override;
    PosixPlatform(const PosixPlatform&) = delete;
    PosixPlatform& operator=(const PosixPlatform&) = delete;

    ObjectFactories& Factories() { return factories_; }
    void SetCommandLine(std::string commandLine) { commandLine_ = std::move(commandLine); }
    // Where boxes are shown and answered (default: Terminal::Standard()).
    void SetTerminal(const Terminal& terminal) { *terminal_ = terminal; }
    const std::string& DrivesRoot() const { return drivesRoot_; }

    int MsgBox(const std::string& text, int style, const std::string& title,
               const std::string& helpFile = "", int helpContext = 0) override;
    int ShowDialog(const CustomDialog& dialog) override;

    void Shell(const std::string& commandLine, int windowStyle) override;
    // A host path placed under the drives root. A path that starts with "/" is already
    // native (the file utility's default folder is one) and only has its separators tidied.
    std::string NativePath(const std::string& path) override;
    void FileCopy(const std::string& source, const std::string& destination) override;
    void DeleteFile(const std::string& path) override;
    bool FolderExists(const std::string& path) override;

    std::string CommandLine() override { return commandLine_; }
    Clock::time_point Now() override { return Clock::now(); }
    std::string DateTimeText(Clock::time_point when) override;
    std::string FormatDate(Clock::time_point when, const std::string& format) override;

    std::optional<OsVersionInfo> GetVersionEx() override;
    void SetUnhandledExceptionFilter(ExceptionFilterRoutine filter) override;

    std::shared_ptr<AutomationObject> CreateObject(const std::string& progId) override {
        return factories_.Create(progId);
    }

    std::string AppTitle() override { return "Parleywick"; }
    std::string AppPath() override;
    std::string AppExeName() override { return "PWKCommon"; }
    bool AppUnattended() override { return false; }

    SettingsStore& Settings() override { return settings_; }

    // The version record for a kernel's name and release ("Linux", "6.1.0-18-amd64").
    static OsVersionInfo VersionFromUname(const std::string& system, const std::string& release);
    // This process's arguments as one command line, arguments with blanks in double quotes.
    static std::string ProcessCommandLine();

  private:
    SettingsStore& settings_;
    std::shared_ptr<Terminal> terminal_;
    std::string drivesRoot_;
    std::string commandLine_;
    ObjectFactories factories_;
    bool filterInstalled_ = false;
};

}  // namespace pwk
