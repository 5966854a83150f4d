#pragma once

#include <filesystem>
#include <system_error>

#include "src/platform/Platform.h"
#include "src/util/Failure.h"

namespace pwk::test {

// A platform for tests that need none of its services: every service fails with 5.
class NullPlatform : public Platform {
  public:
    int MsgBox(const std::string&, int, const std::string&, const std::string&, int) override {
        Raise(5);
    }
    int ShowDialog(const CustomDialog&) override { Raise(5); }
    void Shell(const std::string&, int) override { Raise(5); }
    std::string NativePath(const std::string& path) override { return path; }
    void FileCopy(const std::string&, const std::string&) override { Raise(5); }
    void DeleteFile(const std::string&) override { Raise(5); }
    // Host paths are this machine's own here.
    bool FolderExists(const std::string& path) override {
        std::error_code error;
        return !path.empty() && std::filesystem::is_directory(path, error);
    }
    std::string CommandLine() override { return ""; }
    Clock::time_point Now() override { return {}; }
    std::string DateTimeText(Clock::time_point) override { return ""; }
    std::string FormatDate(Clock::time_point, const std::string&) override { return ""; }
    std::optional<OsVersionInfo> GetVersionEx() override { return std::nullopt; }
    void SetUnhandledExceptionFilter(ExceptionFilterRoutine) override {}
    std::shared_ptr<AutomationObject> CreateObject(const std::string&) override { Raise(429); }
    std::string AppTitle() override { return "Parleywick"; }
    std::string AppPath() override { return ""; }
    std::string AppExeName() override { return "PWKCommon"; }
    bool AppUnattended() override { return false; }
    SettingsStore& Settings() override { Raise(5); }
};

}  // namespace pwk::test
