#include "win/platform/WinPlatform.h"

#include <windows.h>

#include <filesystem>

#include "platform-support/DateFormat.h"
#include "src/util/Failure.h"
#include "win/combase/ComPtr.h"
#include "win/combase/Unique.h"
#include "win/combase/WideText.h"
#include "win/dispatch/DispatchHost.h"
#include "win/platform/ButtonDialog.h"
#include "win/platform/ExceptionFilter.h"
#include "win/platform/TestSwitches.h"
#include "win/platform/WinFileUtility.h"
#include "win/platform/WinFiles.h"

// The platform's own members carry these names; the system's macros would rename them.
#undef DeleteFile
#undef GetVersionEx

namespace pwk::win {

namespace {

// The help file of the box on screen: the box's Help button opens it at the box's context
// (the help context the box was shown with comes back in the help request).
// A plain pointer to the caller's text: a thread-local object with a destructor would pin this
// library in the host's thread until the thread ends, so that it could never be unloaded.
thread_local const wchar_t* helpFileOfBox = nullptr;

void CALLBACK OpenHelp(LPHELPINFO info) {
    if (helpFileOfBox == nullptr || *helpFileOfBox == L'\0' || info == nullptr) {
        return;
    }
    WinHelpW(GetActiveWindow(), helpFileOfBox, HELP_CONTEXT,
             static_cast<ULONG_PTR>(info->dwContextId));
}

}  // namespace

WinPlatform::WinPlatform(SettingsStore& settings, void* module)
    : settings_(settings), module_(module) {
    factories_.Register(FileUtilityProgID, [] { return WinFileUtility::Create(); });
}

WinPlatform::~WinPlatform() {
    // The filter calls into objects that are about to go.
    if (filterInstalled_) {
        ExceptionFilter::Install(nullptr);
    }
}

int WinPlatform::MsgBox(const std::string& text, int style, const std::string& title,
                        const std::string& helpFile, int helpContext) {
    // The classic style flags and answers are the system's own MB_ and ID values.
    const std::wstring wideText = Widen(text);
    const std::wstring wideTitle = Widen(title);
    MSGBOXPARAMSW box{};
    box.cbSize = sizeof(box);
    box.hwndOwner = GetActiveWindow();
    box.lpszText = wideText.c_str();
    box.lpszCaption = wideTitle.c_str();
    box.dwStyle = static_cast<DWORD>(style);
    box.dwContextHelpId = static_cast<DWORD_PTR>(helpContext);
    box.lpfnMsgBoxCallback = OpenHelp;
    const std::wstring wideHelpFile = Widen(helpFile);
    helpFileOfBox = wideHelpFile.c_str();
    const int answer = MessageBoxIndirectW(&box);
    helpFileOfBox = nullptr;
    if (answer == 0) {
        throw Failure(FailureNumber::InvalidProcedureCall,
                      "Invalid procedure call or argument: the message box could not be shown");
    }
    return answer;
}

int WinPlatform::ShowDialog(const CustomDialog& dialog) {
    return ButtonDialog::Show(dialog);
}

void WinPlatform::Shell(const std::string& commandLine, int windowStyle) {
    std::wstring line = Widen(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        // The classic Shell reports any program it cannot start as not found.
        throw Failure(FailureNumber::FileNotFound, "File not found: " + commandLine);
    }
    // Nothing waits for the program: its handles go at once.
    const UniqueHandle thread(process.hThread);
    const UniqueHandle started(process.hProcess);
}

void WinPlatform::FileCopy(const std::string& source, const std::string& destination) {
    WinFiles::Copy(source, destination);
}

void WinPlatform::DeleteFile(const std::string& path) {
    WinFiles::Delete(path);
}

bool WinPlatform::FolderExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WinPlatform::AppUnattended() {
    return TestSwitchOn(kUnattendedVariable);
}

std::string WinPlatform::CommandLine() {
    return Narrow(GetCommandLineW(), wcslen(GetCommandLineW()));
}

std::string WinPlatform::DateTimeText(Clock::time_point when) {
    return DefaultDateTimeText(when);
}

std::string WinPlatform::FormatDate(Clock::time_point when, const std::string& format) {
    return pwk::FormatDate(when, format);
}

std::optional<OsVersionInfo> WinPlatform::GetVersionEx() {
    OSVERSIONINFOW system{};
    system.dwOSVersionInfoSize = sizeof(system);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionExW(&system)) {
        return std::nullopt;
    }
#pragma GCC diagnostic pop
    OsVersionInfo info;
    info.MajorVersion = system.dwMajorVersion;
    info.MinorVersion = system.dwMinorVersion;
    info.BuildNumber = system.dwBuildNumber;
    info.PlatformId = system.dwPlatformId;
    info.CSDVersion = Narrow(system.szCSDVersion, wcsnlen(system.szCSDVersion, 127));
    return info;
}

void WinPlatform::SetUnhandledExceptionFilter(ExceptionFilterRoutine filter) {
    filterInstalled_ = static_cast<bool>(filter);
    ExceptionFilter::Install(std::move(filter));
}

std::shared_ptr<AutomationObject> WinPlatform::CreateObject(const std::string& progId) {
    try {
        return factories_.Create(progId);
    } catch (const Failure&) {
        // Not one of the component's own: ask COM.
    }
    CLSID clsid{};
    const ComPtr<IDispatch> object = SUCCEEDED(CLSIDFromProgID(Widen(progId).c_str(), &clsid))
                                         ? ComPtr<IDispatch>::Create(clsid, CLSCTX_ALL)
                                         : ComPtr<IDispatch>();
    if (!object) {
        Raise(FailureNumber::CannotCreateObject, progId);
    }
    const auto wrapper = wrappers_.find(progId);
    return wrapper != wrappers_.end() ? wrapper->second(object.Get())
                                      : WrapAutomationObject(progId, object.Get());
}

std::wstring WinPlatform::ModuleFile() const {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(static_cast<HMODULE>(module_), path.data(),
                                                static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string WinPlatform::AppPath() {
    return Narrow(std::filesystem::path(ModuleFile()).parent_path().wstring());
}

std::string WinPlatform::AppExeName() {
    return Narrow(std::filesystem::path(ModuleFile()).stem().wstring());
}

}  // namespace pwk::win
