#include "winharness/simrun/ComponentSystem.h"

#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>

#include "src/platform/FileUtility.h"
#include "win/combase/WideText.h"
#include "win/platform/TestSwitches.h"
#include "win/platform/WinFiles.h"
#include "winharness/simrun/ComponentRegistry.h"
#include "winharness/simrun/ImportTable.h"

namespace pwk::simrun {

namespace {

using scenario::ScenarioMachine;

// The one component whose calls are answered, and by which machine.
HMODULE component = nullptr;
ScenarioMachine* machine = nullptr;

std::string Text(const wchar_t* text) {
    return text != nullptr ? win::Narrow(text, wcslen(text)) : std::string();
}

// The text stays until the next call, as the caller reads it at once.
LPWSTR WINAPI HostCommandLine() {
    static std::wstring commandLine;
    commandLine = win::Widen(machine->CommandLine());
    return commandLine.data();
}

BOOL WINAPI VersionRecord(LPOSVERSIONINFOW info) {
    const std::optional<OsVersionInfo> os = machine->OsVersion();
    if (!os || info == nullptr) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    info->dwMajorVersion = os->MajorVersion;
    info->dwMinorVersion = os->MinorVersion;
    info->dwBuildNumber = os->BuildNumber;
    info->dwPlatformId = os->PlatformId;
    const std::wstring servicePack = win::Widen(os->CSDVersion);
    const std::size_t length = std::min<std::size_t>(servicePack.size(), 127);
    std::copy_n(servicePack.begin(), length, info->szCSDVersion);
    info->szCSDVersion[length] = L'\0';
    return TRUE;
}

// File times count 100 ns from 1601-01-01; the clock counts from 1970-01-01.
void WINAPI SystemTime(LPFILETIME time) {
    constexpr std::int64_t kFrom1601 = 116444736000000000;
    const auto ticks =
        std::chrono::duration_cast<std::chrono::duration<std::int64_t, std::ratio<1, 10000000>>>(
            machine->Now().time_since_epoch())
            .count() +
        kFrom1601;
    time->dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFF);
    time->dwHighDateTime = static_cast<DWORD>(ticks >> 32);
}

// The runtime looks the precise clock up by name: it gets the scenario's clock too. The file
// utility looks up the system's Open dialog, which a machine without the utility lacks.
FARPROC WINAPI FindProcedure(HMODULE module, LPCSTR name) {
    const bool byName = (reinterpret_cast<ULONG_PTR>(name) >> 16) != 0;
    if (byName && std::strcmp(name, "GetSystemTimePreciseAsFileTime") == 0) {
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&SystemTime));
    }
    if (byName && std::strcmp(name, "GetOpenFileNameW") == 0 &&
        !machine->Installed(FileUtilityProgID)) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return GetProcAddress(module, name);
}

HRESULT WINAPI Folder(HWND owner, int folder, HANDLE token, DWORD flags, LPWSTR path) {
    if ((folder & ~CSIDL_FLAG_MASK) != CSIDL_PERSONAL) {
        return SHGetFolderPathW(owner, folder, token, flags, path);
    }
    const std::wstring documents = win::Widen(machine->DocumentsFolder());
    if (documents.empty() || documents.size() >= MAX_PATH) {
        return E_FAIL;
    }
    std::copy_n(documents.c_str(), documents.size() + 1, path);
    return S_OK;
}

// A class the machine does not have is not registered for the component either.
HRESULT WINAPI ClassOf(LPCOLESTR progId, LPCLSID clsid) {
    if (progId != nullptr && !machine->Installed(Text(progId))) {
        return CO_E_CLASSSTRING;
    }
    return CLSIDFromProgID(progId, clsid);
}

// The component's own file is in the machine's component folder, under its real name.
DWORD WINAPI ModuleFile(HMODULE module, LPWSTR buffer, DWORD size) {
    if (module != component) {
        return GetModuleFileNameW(module, buffer, size);
    }
    wchar_t real[MAX_PATH] = {};
    GetModuleFileNameW(module, real, MAX_PATH);
    const std::wstring path = win::Widen(machine->ComponentFolder()) + L"\\" +
                              std::filesystem::path(real).filename().wstring();
    if (size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const std::size_t copied = std::min<std::size_t>(path.size(), size - 1);
    std::copy_n(path.begin(), copied, buffer);
    buffer[copied] = L'\0';
    if (copied < path.size()) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    return static_cast<DWORD>(copied);
}

BOOL Failed(unsigned long error) {
    SetLastError(error);
    return FALSE;
}

BOOL WINAPI CopyOne(LPCWSTR from, LPCWSTR to, BOOL failIfExists) {
    const std::string source = Text(from);
    const std::string destination = Text(to);
    std::optional<std::int32_t> planned =
        machine->PlannedFailure(source, ScenarioMachine::FileOperation::Copy);
    if (!planned) {
        planned = machine->PlannedFailure(destination, ScenarioMachine::FileOperation::Copy);
    }
    if (planned) {
        machine->Copied(source, destination, planned);
        return Failed(win::WinFiles::ErrorOf(*planned));
    }
    if (!CopyFileW(from, to, failIfExists)) {
        const DWORD error = GetLastError();
        machine->Copied(source, destination, win::WinFiles::NumberOf(error));
        return Failed(error);
    }
    machine->Copied(source, destination, std::nullopt);
    return TRUE;
}

BOOL WINAPI DeleteOne(LPCWSTR file) {
    const std::string path = Text(file);
    if (const auto planned =
            machine->PlannedFailure(path, ScenarioMachine::FileOperation::Delete)) {
        machine->Deleted(path, planned);
        return Failed(win::WinFiles::ErrorOf(*planned));
    }
    if (!DeleteFileW(file)) {
        const DWORD error = GetLastError();
        machine->Deleted(path, win::WinFiles::NumberOf(error));
        return Failed(error);
    }
    machine->Deleted(path, std::nullopt);
    return TRUE;
}

// A program is reported and not started; the caller gets two handles of its own to close.
BOOL WINAPI StartProgram(LPCWSTR application, LPWSTR commandLine, LPSECURITY_ATTRIBUTES,
                         LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID, LPCWSTR,
                         LPSTARTUPINFOW startup, LPPROCESS_INFORMATION process) {
    const std::string line = Text(commandLine != nullptr ? commandLine : application);
    const int style = startup != nullptr && (startup->dwFlags & STARTF_USESHOWWINDOW) != 0
                          ? startup->wShowWindow
                          : SW_SHOWNORMAL;
    machine->StartProgram(line, style);
    process->hProcess = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    process->hThread = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    process->dwProcessId = 0;
    process->dwThreadId = 0;
    return TRUE;
}

BOOL WINAPI OpenHelp(HWND, LPCWSTR file, UINT command, ULONG_PTR data) {
    machine->Help(Text(file), command == HELP_CONTEXT ? static_cast<int>(data) : 0);
    return TRUE;
}

// The test switches of the component's error library are the machine's, and the add-in
// object's member that tells its hooks' keys is always on, since `expect hook-keys` reads them
// through it; any other variable is the process's.
DWORD WINAPI Environment(LPCWSTR name, LPWSTR buffer, DWORD size) {
    std::optional<bool> on;
    if (name != nullptr && wcscmp(name, win::kDebugModeVariable) == 0) {
        on = machine->DebugMode();
    } else if (name != nullptr && wcscmp(name, win::kUnattendedVariable) == 0) {
        on = machine->Unattended();
    } else if (name != nullptr && wcscmp(name, win::kHookKeysVariable) == 0) {
        on = true;
    }
    if (!on) {
        return GetEnvironmentVariableW(name, buffer, size);
    }
    if (!*on) {
        SetLastError(ERROR_ENVVAR_NOT_FOUND);
        return 0;
    }
    if (size < 2) {
        return 2;
    }
    buffer[0] = L'1';
    buffer[1] = L'\0';
    return 1;
}

void MakeFolder(const std::string& folder) {
    if (!folder.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(win::Widen(folder)), ignored);
    }
}

}  // namespace

void ComponentSystem::Begin(const std::wstring& library, scenario::ScenarioMachine& answering) {
    End();
    module_ = win::UniqueModule(LoadLibraryW(library.c_str()));
    if (!module_) {
        // Not registered or not loadable: COM fails to create the component, and says so.
        return;
    }
    component = module_.Get();
    machine = &answering;
    MakeFolder(machine->DocumentsFolder());
    MakeFolder(machine->ComponentFolder());
    const ImportTable imports(module_.Get());
    imports.Replace("GetCommandLineW", reinterpret_cast<const void*>(&HostCommandLine));
    imports.Replace("GetVersionExW", reinterpret_cast<const void*>(&VersionRecord));
    imports.Replace("GetSystemTimeAsFileTime", reinterpret_cast<const void*>(&SystemTime));
    imports.Replace("GetSystemTimePreciseAsFileTime", reinterpret_cast<const void*>(&SystemTime));
    imports.Replace("GetProcAddress", reinterpret_cast<const void*>(&FindProcedure));
    imports.Replace("SHGetFolderPathW", reinterpret_cast<const void*>(&Folder));
    imports.Replace("GetModuleFileNameW", reinterpret_cast<const void*>(&ModuleFile));
    imports.Replace("CLSIDFromProgID", reinterpret_cast<const void*>(&ClassOf));
    imports.Replace("CopyFileW", reinterpret_cast<const void*>(&CopyOne));
    imports.Replace("DeleteFileW", reinterpret_cast<const void*>(&DeleteOne));
    imports.Replace("CreateProcessW", reinterpret_cast<const void*>(&StartProgram));
    imports.Replace("WinHelpW", reinterpret_cast<const void*>(&OpenHelp));
    imports.Replace("GetEnvironmentVariableW", reinterpret_cast<const void*>(&Environment));
    AnswerRegistryCalls(imports, answering);
}

void ComponentSystem::End() {
    module_ = win::UniqueModule();
}

}  // namespace pwk::simrun
