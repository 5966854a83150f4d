#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "src/platform/AutomationObject.h"
#include "src/platform/ExceptionRecord.h"
#include "src/platform/OsVersionInfo.h"

namespace pwk {

class SettingsStore;

// A dialog with buttons of its own: the error library's error dialog.
struct CustomDialog {
    std::string Title;
    std::string Text;
    int Icon = 0;  // MsgBoxStyle icon flag
    std::vector<std::string> Buttons;
    std::vector<std::string> ButtonToolTips;
    int DefaultButton = 0;  // index into Buttons
    std::string FrameCaption;
};

// The operating system and the add-in's external components, as the core sees them.
// Failing operations throw Failure with the platform's classic numbers.
class Platform {
  public:
    using Clock = std::chrono::system_clock;
    using ExceptionFilterRoutine = std::function<std::int32_t(const ExceptionRecord&)>;

    virtual ~Platform() = default;

    // A modal message box with the classic style flags; returns the classic answer.
    virtual int MsgBox(const std::string& text, int style, const std::string& title,
                       const std::string& helpFile = "", int helpContext = 0) = 0;
    // Shows a dialog with its own buttons; returns the index of the button chosen.
    virtual int ShowDialog(const CustomDialog& dialog) = 0;

    // Starts a program by command line, without waiting (window style as the classic Shell).
    virtual void Shell(const std::string& commandLine, int windowStyle) = 0;
    // File paths in the core are the host's paths ("C:\\Logs\\PWK"); this is where such a
    // path lives on this machine. The error library writes its log there.
    virtual std::string NativePath(const std::string& path) = 0;
    virtual void FileCopy(const std::string& source, const std::string& destination) = 0;
    virtual void DeleteFile(const std::string& path) = 0;
    // True when the host path names a folder on this machine (where NativePath puts it).
    virtual bool FolderExists(const std::string& path) = 0;

    virtual std::string CommandLine() = 0;
    virtual Clock::time_point Now() = 0;
    // The system's default date-time text ("12/05/2026 2:28:38 PM").
    virtual std::string DateTimeText(Clock::time_point when) = 0;
    // Formats with a classic user-defined date format ("yyyymmdd", "dd-mm-yyyy hh:nn:ss" ...);
    // weeks start on Sunday, week 1 holds 1 January.
    virtual std::string FormatDate(Clock::time_point when, const std::string& format) = 0;

    // The extended OS version record, or nothing when the query fails.
    virtual std::optional<OsVersionInfo> GetVersionEx() = 0;
    // Installs `filter` as the last-chance handler for unhandled exceptions (empty: none).
    virtual void SetUnhandledExceptionFilter(ExceptionFilterRoutine filter) = 0;

    // Creates an external component by ProgID; fails with 429 when it cannot.
    virtual std::shared_ptr<AutomationObject> CreateObject(const std::string& progId) = 0;

    // The component itself.
    virtual std::string AppTitle() = 0;    // "Parleywick"
    virtual std::string AppPath() = 0;     // the folder of the component file, no trailing "\"
    virtual std::string AppExeName() = 0;  // "PWKCommon"
    virtual bool AppUnattended() = 0;

    virtual SettingsStore& Settings() = 0;
};

}  // namespace pwk
