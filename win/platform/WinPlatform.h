#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "src/platform/ObjectFactories.h"
#include "src/platform/Platform.h"

struct IDispatch;

namespace pwk::win {

// The platform on Windows: message boxes and the error dialog as real windows owned by the
// active window, files and programs through the Win32 calls, the structured-exception filter,
// and external components by ProgID. The error library and the file utility live in the
// component itself and are found first (Factories()); any other ProgID is created through COM
// and reached over its IDispatch. Texts are UTF-8 here and UTF-16 at every call.
class WinPlatform : public Platform {
  public:
    // `module` is the component's file (the DLL, or the program when the platform runs in one).
    WinPlatform(SettingsStore& settings, void* module);
    ~WinPlatform() override;
    WinPlatform(const WinPlatform&) = delete;
    WinPlatform& operator=(const WinPlatform&) = delete;

    ObjectFactories& Factories() { return factories_; }
    // How an object created through COM under `progId` is handed to the core; without one, as
    // WrapAutomationObject does (the component's own adapters for objects it gives its own
    // objects to are above this layer).
    using Wrapper = std::function<std::shared_ptr<AutomationObject>(IDispatch* object)>;
    void WrapWith(const std::string& progId, Wrapper wrapper) {
        wrappers_[progId] = std::move(wrapper);
    }

    int MsgBox(const std::string& text, int style, const std::string& title,
               const std::string& helpFile = "", int helpContext = 0) override;
    int ShowDialog(const CustomDialog& dialog) override;

    void Shell(const std::string& commandLine, int windowStyle) override;
    // Host paths are this machine's paths.
    std::string NativePath(const std::string& path) override { return path; }
    void FileCopy(const std::string& source, const std::string& destination) override;
    void DeleteFile(const std::string& path) override;
    // Asked of the system itself: the portable default would link the C++ runtime's whole
    // file-system library, whose imports are newer than the Windows floor.
    bool FolderExists(const std::string& path) override;

    std::string CommandLine() override;
    Clock::time_point Now() override { return Clock::now(); }
    std::string DateTimeText(Clock::time_point when) override;
    std::string FormatDate(Clock::time_point when, const std::string& format) override;

    std::optional<OsVersionInfo> GetVersionEx() override;
    void SetUnhandledExceptionFilter(ExceptionFilterRoutine filter) override;

    std::shared_ptr<AutomationObject> CreateObject(const std::string& progId) override;

    std::string AppTitle() override { return "Parleywick"; }
    std::string AppPath() override;
    std::string AppExeName() override;
    // Off in the shipped component; a test machine turns it on (TestSwitches.h).
    bool AppUnattended() override;

    SettingsStore& Settings() override { return settings_; }

  private:
    std::wstring ModuleFile() const;

    SettingsStore& settings_;
    void* module_;
    ObjectFactories factories_;
    std::map<std::string, Wrapper> wrappers_;
    bool filterInstalled_ = false;
};

}  // namespace pwk::win
